#!/usr/bin/env bash
# The leak checker's settings in the sanitizer build (the tests' environment,
# with the suppressions of tests/e2e/lsan.supp): the blocks that system
# libraries keep to the end pass, a leak of ours still fails.
#
#   tests/support/leakcheck.sh PROBE      (tavelin-leakprobe)
set -uo pipefail
probe=$1
check_name=leak_check
source "$(dirname "$0")/../../scripts/checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$probe" none >"$work/none.txt" 2>&1
status=$?
if [ "$status" -eq 0 ]; then
    ok "the system libraries' blocks (Qt's event loop, FluidSynth) are not reported"
else
    fail "the system libraries' blocks (Qt's event loop, FluidSynth) are not reported (status $status)"
    sed 's/^/   /' "$work/none.txt" | head -40
fi

"$probe" ours >"$work/ours.txt" 2>&1
status=$?
ours_reported() {
    grep -q "ERROR: LeakSanitizer: detected memory leaks" "$work/ours.txt" &&
        grep -A 4 "^Direct leak of 48 byte(s) in 1 object(s)" "$work/ours.txt" | grep -q leakOfOurs
}
if [ "$status" -ne 0 ] && ours_reported; then
    ok "a leak of ours, made in a handler of Qt's event loop, fails with its report (status $status)"
else
    fail "a leak of ours, made in a handler of Qt's event loop, fails with its report (status $status)"
    sed 's/^/   /' "$work/ours.txt" | head -40
fi
finish
