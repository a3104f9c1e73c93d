#!/usr/bin/env bash
# Installs the Debian packages that are missing for the given needs
# ("build", "test", "bench", "package", "fresh"). Sourced or run by run.sh,
# test.sh, bench.sh, package.sh and scripts/fresh-debian.sh.
set -euo pipefail

build_pkgs=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libfluidsynth-dev libasound2-dev
            qt6-l10n-tools qt6-tools-dev
            libpulse-dev libdbus-1-dev libxcb1-dev
            fluid-soundfont-gm fontconfig fonts-liberation2 fonts-noto-core)
test_pkgs=(libgtest-dev googletest xvfb xauth xdotool imagemagick x11-utils
           pulseaudio pulseaudio-utils alsa-utils python3 poppler-utils binutils
           desktop-file-utils appstream man-db qt6-translations-l10n
           at-spi2-core python3-pyatspi dbus dbus-x11
           pipewire pipewire-pulse wireplumber weston qt6-wayland syncthing)
# The lint test's tools at the version the tree's style is checked with:
# Debian 12's (elsewhere the test says it is skipped).
if [ "$(. /etc/os-release 2>/dev/null && echo "${ID:-}-${VERSION_ID:-}")" = debian-12 ]; then
    test_pkgs+=(clang-format-14 clang-tidy-14)
fi
package_pkgs=(dpkg-dev file lintian)
fresh_pkgs=(debootstrap git)
bench_pkgs=(libbenchmark-dev xvfb xauth x11-utils xdotool pulseaudio pulseaudio-utils pipewire-pulse wireplumber dbus)

want=()
for need in "$@"; do
    case "$need" in
        build) want+=("${build_pkgs[@]}") ;;
        test)  want+=("${test_pkgs[@]}") ;;
        bench) want+=("${bench_pkgs[@]}") ;;
        package) want+=("${package_pkgs[@]}") ;;
        fresh) want+=("${fresh_pkgs[@]}") ;;
        *) echo "deps.sh: unknown need '$need'" >&2; exit 2 ;;
    esac
done

missing=()
for pkg in "${want[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
