#!/usr/bin/env bash
# Makes the pictures of the variants in docs/: by ear, a note heard over the
# bare staff and the same note once answered (tests/e2e/byear.sh takes them:
# docs/variant-ear-heard.png, docs/variant-ear-answered.png), and in a key,
# a note of B flat major under its signature with the note's name open
# (docs/variant-key.png); a phrase of five notes
# (docs/variant-phrase.png), and notes of "Toutes les notes" in the bass
# and tenor clefs (for docs/variant-cclef.png). Runs the test build, or the programs given, in a
# virtual X server.
#
#   scripts/variantshots.sh [PROGRAM [NOTETRACK]]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/test/bin/tavelin-piano}
notetrack=${2:-build/test/bin/tavelin-notetrack}
if [ -z "${VARIANTSHOTS_X:-}" ]; then
    bash tests/e2e/byear.sh "$bin" "$notetrack" "$PWD/docs"
    export VARIANTSHOTS_X=1
    exec bash scripts/xvfb.sh 1280x800x24 bash "$0" "$@"
fi
source scripts/xsession.sh
source scripts/version.sh
start_null_audio || echo "variantshots: no sound server; the program will say so" >&2
trap 'stop_null_audio' EXIT
LANG=fr_FR.UTF-8 LANGUAGE= "$bin" --variant key=-2 &
pid=$!
win=$(wait_window "$tavelin_caption")
sleep 2.5                    # the greeting scale
click_at "$win" 508 279      # the note's name
sleep 0.6
click_at "$win" 954 111      # "Clef de sol (# et b)"
sleep 5.5                    # its first note, at the middle speed
shoot "$win" docs/variant-key.png
kill "$pid"
wait "$pid" 2>/dev/null || true

# A phrase as it comes, the marker under its first note.
LANG=fr_FR.UTF-8 LANGUAGE= "$bin" --variant phrase=5 &
pid=$!
win=$(wait_window "$tavelin_caption")
sleep 2.5
click_at "$win" 954 111      # "Clef de sol (# et b)": the treble clef
sleep 26                     # five notes' period at the middle speed, then their sound
shoot "$win" docs/variant-phrase.png
kill "$pid"
wait "$pid" 2>/dev/null || true

# A C clef: notes of "Toutes les notes" from C3 to B3, each in the bass,
# alto or tenor clef, evenly; six in a row are shot into a folder of their
# own (its path printed), for a person to keep one in a C clef as
# docs/variant-cclef.png: the window says which clef only to a screen reader.
shots=$(mktemp -d)
LANG=fr_FR.UTF-8 LANGUAGE= "$bin" --c-clefs --notes 48-59 &
pid=$!
win=$(wait_window "$tavelin_caption")
sleep 2.5
click_at "$win" 954 223      # "Toutes les notes"
sleep 4.5
for n in 1 2 3 4 5 6; do
    shoot "$win" "$shots/note$n.png"
    sleep 4
done
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "variantshots: the C clef candidates are in $shots"
