#!/usr/bin/env bash
# Installs the build into a scratch root with DESTDIR, as a package build
# does, and checks the result as a user of the desktop would meet it: the
# layout and that nothing lands outside the prefix, the three validators
# (desktop entry, AppStream metadata, manual page), and the installed program
# started by its name from PATH in a virtual X server: through a run with the
# names shown and then stopped, at scale 1 and at scale 2, it must load every
# picture it shows (no "cannot load picture" line), and at scale 2 show the
# pictures drawn at twice the size.
#
#   tests/install/install.sh BUILD_DIR
#   tests/install/install.sh --package DEB BUILD_DIR
#
# With --package the tree checked is the Debian package's, unpacked into the
# scratch root (dpkg-deb -x) instead of installed by cmake; BUILD_DIR is the
# build it was packed from (./package.sh: build/release).
#
# Needs cmake, desktop-file-validate, appstreamcli, man, Xvfb, xdotool,
# ImageMagick, pulseaudio and python3 (bash scripts/deps.sh test), and for a
# package dpkg-deb and file.
set -uo pipefail

package=""
build_arg=${1:-}
if [ "${1:-}" = --package ] && [ $# -eq 3 ]; then
    package=$(realpath "$2")
    build_arg=$3
elif [ $# -ne 1 ]; then
    build_arg=""
fi
if [ -z "$build_arg" ] || [ ! -f "$build_arg/CMakeCache.txt" ] || { [ -n "$package" ] && [ ! -f "$package" ]; }; then
    echo "usage: tests/install/install.sh [--package DEB] BUILD_DIR (a configured and built tree)" >&2
    exit 2
fi
build=$(realpath "$build_arg")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
pixels="$root/tests/e2e/pixels.py"

# A display of our own, big enough for the window at scale 2.
if [ -z "${TAVELIN_INSTALL_XVFB:-}" ]; then
    for tool in Xvfb; do
        command -v "$tool" >/dev/null || { echo "install: FAIL: $tool is missing (bash scripts/deps.sh test)"; exit 1; }
    done
    export TAVELIN_INSTALL_XVFB=1
    exec bash "$root/scripts/xvfb.sh" 2560x1440x24 bash "$0" "$@"
fi
tools=(cmake desktop-file-validate appstreamcli man xdotool import convert pulseaudio pactl python3)
[ -n "$package" ] && tools+=(dpkg-deb file)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "install: FAIL: $tool is missing (bash scripts/deps.sh test)"; exit 1; }
done
source "$root/scripts/xsession.sh"

work=$(mktemp -d)
dest="$work/root"
prefix=/usr
installed="$dest$prefix"
app_id=org.tavelin.TavelinPiano
source "$root/scripts/version.sh"
title=$tavelin_caption
check_name=install
[ -n "$package" ] && check_name=install-package
source "$root/scripts/checks.sh"
pid=""
win=""

cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    stop_null_audio
    if [ "$failed" -gt 0 ]; then
        echo "install: the installed tree, the screenshots and the program's output are kept in $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

# ---------------------------------------------------------------- install

if [ -n "$package" ]; then
    if mkdir -p "$dest" && dpkg-deb -x "$package" "$dest" >"$work/install.txt" 2>&1; then
        ok "dpkg-deb -x $(basename "$package") into $dest"
    else
        fail "dpkg-deb -x $(basename "$package")"
        tail -n 20 "$work/install.txt"
        finish
    fi
    outside() {  # every file of the package lies in the prefix
        local bad
        bad=$(dpkg-deb --fsys-tarfile "$package" | tar -t | grep -vx '\./' | grep -v "^\.$prefix/")
        [ -z "$bad" ] || { echo "   outside the prefix:"; echo "$bad" | sed 's/^/   /'; return 1; }
    }
    check "nothing in the package lies outside $prefix" outside
    check "the packaged program is stripped" bash -c "file -L '$dest$prefix/lib/tavelin-piano/tavelin-piano' | grep -q ', stripped'"
else
    if DESTDIR="$dest" cmake --install "$build" --prefix "$prefix" >"$work/install.txt" 2>&1; then
        ok "cmake --install with DESTDIR=$dest --prefix $prefix"
    else
        fail "cmake --install with DESTDIR"
        tail -n 20 "$work/install.txt"
        finish
    fi
    outside() {  # every installed file (the manifest lists them) lies in the prefix, under DESTDIR
        local bad
        bad=$(grep -v "^$prefix/" "$build/install_manifest.txt")
        [ -z "$bad" ] || { echo "   outside the prefix:"; echo "$bad" | sed 's/^/   /'; return 1; }
        [ -z "$(find "$dest" -mindepth 1 | grep -v "^$installed")" ]
    }
    check "nothing is installed outside the prefix" outside
fi

program_dir="$installed/lib/tavelin-piano"
check "the program is lib/tavelin-piano/tavelin-piano" test -x "$program_dir/tavelin-piano" -a -f "$program_dir/tavelin-piano"
check "tvl.tv lies beside the program" test -s "$program_dir/tvl.tv"
check "bin/tavelin-piano is a relative link to it" \
    test "$(readlink "$installed/bin/tavelin-piano")" = "../lib/tavelin-piano/tavelin-piano"
same_pictures() {  # the installed picture folder is the built one, file for file
    diff <(cd "$build/bin/picture" && find . -type f | sort) <(cd "$program_dir/picture" && find . -type f | sort) >/dev/null &&
        diff -r "$build/bin/picture" "$program_dir/picture" >/dev/null
}
check "picture/ holds every picture of the build ($(find "$build/bin/picture" -type f | wc -l) files)" same_pictures
doubles() {  # each picture has its twice-the-size twin
    local f
    for f in "$program_dir"/picture/*.jpg "$program_dir"/picture/*.png "$program_dir/tvl.tv"; do
        case "$f" in *@2x.*) continue ;; esac
        [ -s "${f%.*}@2x.${f##*.}" ] || { echo "   no @2x picture for $f"; return 1; }
    done
}
check "every picture has an @2x picture beside it" doubles
icons() {
    local size
    for size in 16 22 24 32 48 64 128 256; do
        [ "$(identify -format '%wx%h' "$installed/share/icons/hicolor/${size}x${size}/apps/$app_id.png")" = "${size}x${size}" ] || return 1
    done
    grep -q '<svg' "$installed/share/icons/hicolor/scalable/apps/$app_id.svg"
}
check "hicolor icons 16 to 256 px and scalable" icons

# ---------------------------------------------------------------- validators

desktop="$installed/share/applications/$app_id.desktop"
check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$desktop"
entry() { grep -qx "$1" "$desktop"; }
check "the entry has its French name and comment and the categories Education and Music" \
    bash -c "grep -q '^Name\[fr\]=' '$desktop' && grep -q '^Comment\[fr\]=' '$desktop' && grep -qx 'Categories=Education;Music;' '$desktop'"
check "the entry starts tavelin-piano with the icon $app_id" bash -c "grep -qx 'Exec=tavelin-piano' '$desktop' && grep -qx 'Icon=$app_id' '$desktop'"
check "the program names the desktop entry for the window system" \
    bash -c "strings -el '$program_dir/tavelin-piano' | grep -qx '$app_id'"
metainfo="$installed/share/metainfo/$app_id.metainfo.xml"
if appstreamcli validate --no-net "$metainfo" >"$work/appstream.txt" 2>&1; then
    ok "appstreamcli validate --no-net accepts the metainfo"
else
    fail "appstreamcli validate --no-net accepts the metainfo"
    sed 's/^/   /' "$work/appstream.txt"
fi
check "the metainfo has a screenshot and the release $tavelin_version" \
    bash -c "grep -q '<screenshot ' '$metainfo' && grep -q '<release version=\"$tavelin_version\"' '$metainfo'"
manpage="$installed/share/man/man1/tavelin-piano.1.gz"
check "the manual page is man1/tavelin-piano.1.gz" test -s "$manpage"
MANWIDTH=100 LC_ALL=C.UTF-8 man --warnings -l "$manpage" >"$work/man.txt" 2>"$work/man-warnings.txt"
check "man renders it without a warning" bash -c "[ -s '$work/man.txt' ] && [ ! -s '$work/man-warnings.txt' ]"
every_option() {  # every option of --help is in the manual page, and its files
    local option missing=""
    for option in $("$installed/bin/tavelin-piano" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        grep -q -- "$option" "$work/man.txt" || missing="$missing $option"
    done
    [ -z "$missing" ] || { echo "   not in the manual page:$missing"; return 1; }
    grep -q "$prefix/lib/tavelin-piano/picture/" "$work/man.txt" && grep -q "$prefix/lib/tavelin-piano/tvl.tv" "$work/man.txt"
}
check "the manual page shows every option of --help and the program's files" every_option
frpage="$installed/share/man/fr/man1/tavelin-piano.1.gz"
MANWIDTH=100 LC_ALL=C.UTF-8 man --warnings -l "$frpage" >"$work/man-fr.txt" 2>"$work/man-fr-warnings.txt"
check "the French manual page renders without a warning" \
    bash -c "[ -s '$work/man-fr.txt' ] && [ ! -s '$work/man-fr-warnings.txt' ] && grep -q 'OPTIONS' '$work/man-fr.txt'"
follows_locale() {  # man tavelin-piano: French under a French locale, English under others
    # man finds the page of the locale's language (-L says which, as the
    # locale would; a locale the machine has not generated man cannot set).
    [ "$(MANPATH="$installed/share/man" man -L fr -w tavelin-piano)" = "$installed/share/man/fr/man1/tavelin-piano.1.gz" ] &&
    [ "$(MANPATH="$installed/share/man" man -L de -w tavelin-piano)" = "$manpage" ] &&
    [ "$(MANPATH="$installed/share/man" man -L C -w tavelin-piano)" = "$manpage" ] || return 1
    if locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
        MANPATH="$installed/share/man" LANGUAGE= LC_ALL= LC_MESSAGES= LANG=fr_FR.UTF-8 MANWIDTH=100 man tavelin-piano |
            grep -q 'entraînement à la lecture des notes'
    fi
}
check "man tavelin-piano follows the locale (fr: the French page, others: the English one)" follows_locale

# ---------------------------------------------------------------- the installed program

export PATH="$installed/bin:$PATH"
export QT_QPA_PLATFORM=xcb
unset PULSE_SERVER
export PULSE_RUNTIME_PATH="$work/pulse"
mkdir -p "$PULSE_RUNTIME_PATH"
check "tavelin-piano is found on PATH as the installed link" test "$(command -v tavelin-piano)" = "$installed/bin/tavelin-piano"
if ! start_null_audio; then
    fail "a PulseAudio server with a null sink starts"
    finish
fi

shot() { [ -n "$win" ] && timeout 10 import -window "$win" -depth 8 "ppm:$1"; }
find_window() {
    kill -0 "$pid" 2>/dev/null || return 1
    win=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1)
    [ -n "$win" ]
}
# panel DISTANCE_TEST PICTURE: the note panel against a picture's top left.
panel_distance() {
    shot "$work/now.ppm" || return 1
    python3 "$pixels" match "$work/now.ppm" $((383 * scale)) $((10 * scale)) $((633 * scale)) $((260 * scale)) "$1"
}
panel_is() { python3 -c "import sys; sys.exit(0 if float('$(panel_distance "$1")') < 6 else 1)"; }
panel_is_not() { python3 -c "import sys; sys.exit(0 if float('$(panel_distance "$1")') >= 6 else 1)"; }
panel_moved_on() {  # the panel differs from the shot in $1
    shot "$work/now.ppm" || return 1
    local share
    share=$(python3 "$pixels" diff "$1" "$work/now.ppm" $((383 * scale)) $((10 * scale)) $((633 * scale)) $((260 * scale)))
    python3 -c "import sys; sys.exit(0 if float('$share') > 0.002 else 1)"
}
at() { xdotool mousemove --window "$win" $(($1 * scale)) $(($2 * scale)) click 1; }
picture() { [ "$scale" -eq 1 ] && echo "$program_dir/picture/$1.jpg" || echo "$program_dir/picture/$1@2x.jpg"; }

# One session: start-up, the fastest speed, a run of "Clef de sol (# et b)"
# (each note loads its picture, its name and for a black key its sign, shown
# or not) for two notes, stopped.
session() {
    scale=$1
    local out="$work/scale$scale"
    mkdir -p "$out"
    QT_SCALE_FACTOR=$scale tavelin-piano --results "$out/results.csv" >"$out/stdout.txt" 2>"$out/stderr.txt" &
    pid=$!
    if ! poll 60 find_window; then
        fail "scale $scale: the window \"$title\" comes up"
        tail -n 5 "$out/stderr.txt" | sed 's/^/   /'
        return
    fi
    ok "scale $scale: the installed program's window is up"
    check "scale $scale: the note panel shows the welcome picture $(basename "$(picture 001s)")" poll 30 panel_is "$(picture 001s)"
    # The speed bar's right arrow twice, 3 to 5; a double click would count once.
    xdotool mousemove --window "$win" $((845 * scale)) $((280 * scale)) click --repeat 2 --delay 400 1
    at 954 111
    check "scale $scale: a run starts with $(basename "$(picture start50)")" poll 10 panel_is "$(picture start50)"
    check "scale $scale: the first note comes" poll 10 panel_is_not "$(picture start50)"
    shot "$out/note1.ppm"
    check "scale $scale: the second note comes" poll 10 panel_moved_on "$out/note1.ppm"
    at 954 251
    check "scale $scale: stopped, the panel shows $(basename "$(picture end)")" poll 10 panel_is "$(picture end)"
    kill -TERM "$pid"
    local status=0
    wait "$pid" || status=$?
    pid=""
    win=""
    check "scale $scale: the program ends with status 0 on SIGTERM" test "$status" -eq 0
    if grep -q "picture" "$out/stderr.txt"; then
        fail "scale $scale: every picture loaded (no picture error on stderr)"
        grep "picture" "$out/stderr.txt" | head -5 | sed 's/^/   /'
    else
        ok "scale $scale: every picture loaded (no picture error on stderr)"
    fi
    check "scale $scale: the stopped run's notes are in the results file" \
        test "$(grep -c ',stopped,\|,right,\|,missed,' "$out/results.csv")" -ge 1
}
session 1
session 2
finish
