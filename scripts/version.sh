# The program's version as project() states it in CMakeLists.txt, for the
# scripts and the tests that name the package or look for the window:
#
#   source scripts/version.sh
#   $tavelin_version  the number alone
#   $tavelin_caption  the window's caption, "Tavelin Piano " and the number
#   $tavelin_deb      the package ./package.sh builds, under build/package
tavelin_version=$(sed -n 's/^project(TavelinPiano VERSION \([0-9.]*\) .*/\1/p' \
    "$(dirname "${BASH_SOURCE[0]}")/../CMakeLists.txt")
if [ -z "$tavelin_version" ]; then
    echo "scripts/version.sh: no version in CMakeLists.txt's project()" >&2
    return 1 2>/dev/null || exit 1
fi
tavelin_caption="Tavelin Piano $tavelin_version"
tavelin_deb="build/package/tavelin-piano_${tavelin_version}-1_amd64.deb"
export tavelin_version tavelin_caption
