# Machine set-up shared by ./test and ./run: Debian packages and the Japanese locale.
# Source, then call. Everything is checked first and done only when missing, so a set-up
# machine pays nothing.

# quornel_packages ROOT: the names listed in scripts/packages.txt and scripts/packages.d/*.txt.
quornel_packages() {
    local root="$1"
    cat "$root/scripts/packages.txt" "$root"/scripts/packages.d/*.txt 2>/dev/null |
        sed -e 's/#.*//' | tr -s ' \t' '\n' | sed -e '/^$/d' | sort -u
}

quornel_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Need root to run: $*" >&2
        return 1
    fi
}

# quornel_ensure_packages ROOT: installs the missing packages of the lists.
quornel_ensure_packages() {
    local names
    mapfile -t names < <(quornel_packages "$1")
    quornel_install_missing "${names[@]}"
}

# quornel_install_missing NAME...: installs those of the named packages that are missing
# (apt-get update once).
quornel_install_missing() {
    local missing=() name
    for name in "$@"; do
        if ! dpkg-query -W -f='${db:Status-Abbrev}' "$name" 2>/dev/null | grep -q '^ii'; then
            missing+=("$name")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    quornel_as_root apt-get update -q &&
        quornel_as_root apt-get install -y -q "${missing[@]}"
}

# quornel_ensure_locale: generates ja_JP.UTF-8, which Wine needs for code page 932.
quornel_ensure_locale() {
    if locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
        return 0
    fi
    echo "Generating the ja_JP.UTF-8 locale"
    if grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        quornel_as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'ja_JP.UTF-8 UTF-8' | quornel_as_root tee -a /etc/locale.gen >/dev/null
    fi
    quornel_as_root locale-gen
}
