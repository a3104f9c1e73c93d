#!/usr/bin/env bash
# Installs what is missing, builds the sanitizer test build and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh build test
cmake --preset test >/dev/null
cmake --build --preset test
export QT_QPA_PLATFORM=offscreen
ctest --preset test "$@"
