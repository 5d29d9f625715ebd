# The common ground of the shell checks of the command line: a temporary
# folder $work removed at exit, a failure count, `fail`, `expect` and
# `finish`. Sourced by each check after it has set `hxcalc`.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect STATUS COMMAND...: runs the command, checks its exit status.
expect() {
    local want=$1
    shift
    "$@" >"$work/out" 2>"$work/err"
    local got=$?
    [ "$got" -eq "$want" ] || fail "$* exited $got, expected $want: $(head -c 300 "$work/err")"
}

# finish WHAT: the verdict of the checks, as the exit status.
finish() {
    [ "$failures" -eq 0 ] && echo "all $1 checks passed"
    exit $((failures > 0))
}
