#!/usr/bin/env bash
# Builds the Debian package tavelin-piano_VERSION-1_amd64.deb in build/package
# from the release build (build/release, as ./run.sh builds it; packed
# stripped, installed to /usr) and checks it with lintian. Installs what is
# missing first (Debian 12 or 13, as root).
#
#   ./package.sh            then: apt install ./build/package/tavelin-piano_VERSION-1_amd64.deb
#
# VERSION is the one project() states in CMakeLists.txt (scripts/version.sh).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh build package
cmake --preset release >/dev/null
cmake --build --preset release
cpack -G DEB --config build/release/CPackConfig.cmake -B build/package
source scripts/version.sh
deb=$tavelin_deb
test -f "$deb"
# Errors fail the build; warnings and notes are shown.
lintian --fail-on error "$deb" || {
    echo "package.sh: lintian found errors in $deb" >&2
    exit 1
}
echo "package.sh: $deb"
