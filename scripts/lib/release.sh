# What the release scripts share (scripts/dist.sh, its check in ./test dist,
# scripts/reproduce.sh). Source, then call.

# quornel_release_version ROOT: the version as the file VERSION defines it.
quornel_release_version() {
    head -n 1 "$1/VERSION" 2>/dev/null
}

# quornel_release_time ROOT: the time, in seconds since 1970 (UTC), that every file of the
# release carries: SOURCE_DATE_EPOCH when it is set (a tree exported from git has no
# history), else the committer time of ROOT's last commit. A zip keeps times to two
# seconds, so an odd second goes down to the even one below it: the folder and the zip
# then carry the same time.
quornel_release_time() {
    local root="$1" t="${SOURCE_DATE_EPOCH:-}" top
    if [ -z "$t" ]; then
        # Only ROOT's own history counts, not that of a repository it happens to lie in.
        top="$(git -C "$root" rev-parse --show-toplevel 2>/dev/null)" &&
            [ "$(cd "$top" && pwd -P)" = "$(cd "$root" && pwd -P)" ] &&
            t="$(git -C "$root" log -1 --format=%ct 2>/dev/null)"
    fi
    if ! [[ "$t" =~ ^[0-9]+$ ]]; then
        echo "dist: no date for the release: $root is not a git checkout with a commit," \
            "and SOURCE_DATE_EPOCH is not set" >&2
        return 1
    fi
    echo $((t - t % 2))
}
