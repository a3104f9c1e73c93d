# The small harness of the shell tests: counted checks, a poll, the verdict.
# Source it after setting check_name (the prefix of the verdict line).

passed=0
failed=0

ok() {
    echo "ok: $*"
    passed=$((passed + 1))
}
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}
# check DESCRIPTION COMMAND...: ok when the command succeeds; returns the
# command's success, so that a check the rest depends on can end the test.
check() {
    local what=$1
    shift
    if "$@"; then
        ok "$what"
        return 0
    fi
    fail "$what"
    return 1
}

# tell_output FILE: its last lines, indented, when a check the rest depends
# on failed (what a program said before it died).
tell_output() {
    echo "   the last lines of $(basename "$1"):"
    tail -n 20 "$1" 2>/dev/null | sed 's/^/   | /'
}

# Ends the test: status 0 only when something passed and nothing failed.
finish() {
    echo "$check_name: $passed passed, $failed failed"
    [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
    exit $?
}

# Polls COMMAND... every 0.1 s until it succeeds or SECONDS pass.
poll() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    while [ $SECONDS -lt $deadline ]; do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}
