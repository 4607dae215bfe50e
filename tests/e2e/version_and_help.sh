#!/bin/bash
# quornel --help and --version as a user types them, in both builds (the Windows program
# under Wine, its standard output sent to a file as a batch file's redirection does):
#   version_and_help.sh BUILD_DIR SOURCE_DIR
# Each answers on standard output with exit code 0 and the version the file VERSION
# defines; --help wins over any run asked for beside it, which then does not happen.
set -u
build="$1"
source="$2"
quornel="${QUORNEL_EMULATOR:-} $build/quornel${QUORNEL_EXE_SUFFIX:-}"
version="$(head -n 1 "$source/VERSION")"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"  # a registry of its own, not the user's
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

run() {  # ARGS...: sets status, out (line ends as LF), err
    $quornel "$@" >"$work/out" 2>"$work/err"
    status=$?
    out="$(tr -d '\r' <"$work/out")"
    err="$(cat "$work/err")"
}
quiet() {  # the native program says nothing on standard error (Wine itself may)
    [ -n "${QUORNEL_EXE_SUFFIX:-}" ] || [ -z "$err" ] || fail "$1 wrote to standard error: $err"
}

run --version
[ "$status" -eq 0 ] || fail "--version ended with $status"
[ "$out" = "quornel $version" ] || fail "--version printed '$out', not 'quornel $version'"
quiet --version

run --help
[ "$status" -eq 0 ] || fail "--help ended with $status"
for word in "quornel $version" 使い方 "--repeat [--dir DIR]" "--script FILE" --version; do
    case "$out" in *"$word"*) ;; *) fail "--help does not show '$word': $out" ;; esac
done
quiet --help

# Asked beside a drawing run, --help only explains: nothing is drawn or written.
mkdir -p "$work/folder"
cp -R "$source/demo/." "$work/folder/"
ls -l --time-style=full-iso "$work/folder" >"$work/before"
run --repeat --dir "$work/folder" --help
[ "$status" -eq 0 ] || fail "--repeat --help ended with $status"
case "$out" in *使い方*) ;; *) fail "--repeat --help did not explain: $out" ;; esac
ls -l --time-style=full-iso "$work/folder" | cmp -s - "$work/before" ||
    fail "--repeat --help changed the folder: $(ls "$work/folder")"

[ "$failures" -eq 0 ] || exit 1
echo "--help and --version: ok"
