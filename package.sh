#!/usr/bin/env bash
# Builds the Debian package tavelin-piano_3.03-1_amd64.deb in build/package
# (a release build, stripped, installed to /usr) and checks it with lintian.
# Installs what is missing first (Debian 12, as root).
#
#   ./package.sh            then: apt install ./build/package/tavelin-piano_3.03-1_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh build package
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DTAVELIN_TESTS=OFF -DTAVELIN_BENCH=OFF >/dev/null
cmake --build build/package
(cd build/package && cpack -G DEB)
deb=build/package/tavelin-piano_3.03-1_amd64.deb
test -f "$deb"
# Errors fail the build; warnings and notes are shown.
lintian --fail-on error "$deb" || {
    echo "package.sh: lintian found errors in $deb" >&2
    exit 1
}
echo "package.sh: $deb"
