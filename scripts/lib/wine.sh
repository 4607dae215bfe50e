# Wine settings shared by ./test, ./run and scripts/wine-run. Source, then call.

# quornel_wine_env ROOT: exports the environment every Wine start of quornel uses.
quornel_wine_env() {
    local root="$1"
    export WINEPREFIX="${WINEPREFIX:-$root/build/wine}"
    export WINEDEBUG="${WINEDEBUG:--all}"
    # Japanese Windows: GetACP() is 932 only with a Japanese locale.
    unset LC_ALL
    export LANG=ja_JP.UTF-8
    # No Mono or Gecko installer dialogs: quornel needs neither .NET nor HTML.
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
}

# quornel_wine_prefix: creates the prefix once (wineboot) and waits until Wine has
# finished setting it up. Safe when several tests start at the same moment.
quornel_wine_prefix() {
    local ready="$WINEPREFIX/.quornel-ready"
    [ -e "$ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -e "$ready" ]; then
            echo "Preparing the Wine prefix $WINEPREFIX (first time only, about 30 s)..."
            wineboot --init >/dev/null 2>&1 || true
            wineserver -w || true
            if [ ! -e "$WINEPREFIX/system.reg" ]; then
                echo "Could not create the Wine prefix $WINEPREFIX" >&2
                exit 1
            fi
            touch "$ready"
        fi
    ) 9>"$WINEPREFIX.lock"
}
