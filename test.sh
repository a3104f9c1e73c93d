#!/usr/bin/env bash
# Installs what is missing, builds the sanitizer test build and runs every
# test; then builds the release build and the Debian package from it
# (./package.sh, lintian included) and runs the install test on the packaged
# program. Any failure, a release build that does not compile too, fails.
#
#   ./test.sh              all of it, as CI runs it
#   ./test.sh CTEST-ARGS   only the test build's tests, chosen by ctest's arguments (-R e2e)
set -euo pipefail
cd "$(dirname "$0")"
if [ $# -gt 0 ]; then
    bash scripts/deps.sh build test
else
    bash scripts/deps.sh build test package
fi
cmake --preset test >/dev/null
cmake --build --preset test
export QT_QPA_PLATFORM=offscreen
if [ $# -gt 0 ]; then
    exec ctest --preset test "$@"
fi
status=0
ctest --preset test || status=$?

./package.sh
source scripts/version.sh
bash tests/install/install.sh --package "$tavelin_deb" build/release || status=$?
exit "$status"
