#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh build
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/tavelin-piano "$@"
