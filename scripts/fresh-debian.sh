#!/usr/bin/env bash
# The README's commands tried on a fresh Debian machine, as a new user meets
# them: a minimal Debian 12 (bookworm) or 13 (trixie) made by debootstrap from
# Debian's archive, this checkout's HEAD cloned into it, and there, as root,
#   1. bash .ci/run as CI runs it (CI=true, no DISPLAY): ./test.sh, so it
#      installs what is missing, builds the sanitizer build and runs every
#      test under Xvfb, then the release build, the package, lintian and the
#      install test of the package;
#   2. ./run.sh, on a display and a sound server: it builds the release
#      build (nothing left to do after 1) and starts the program, which must
#      come up and end with status 0 on SIGTERM.
# Ends with one summary line and status 0 when all of it passed.
#
#   scripts/fresh-debian.sh 12|13
#
# FRESH_DEBIAN_DIR (/var/tmp/tavelin-fresh-debian unless set) holds, per
# release: CODENAME-debootstrap/, what debootstrap made, kept untouched so a
# later run skips the download (FRESH_DEBIAN_BOOTSTRAP=1 makes it anew);
# CODENAME/, the machine of the last run, copied afresh from it each run; and
# CODENAME.log, that run's output.
#
# The mounts (/proc, /sys, /dev, /dev/pts, /dev/shm) are made in a mount
# namespace of the script's own and taken down when it ends. The tests run in
# a network namespace of their own too (loopback only): their X servers,
# whose abstract sockets are per network namespace, never meet the host's.
# Needs root and debootstrap (bash scripts/deps.sh fresh).
set -euo pipefail

# ---------------------------------------------------------------- inside the chroot: ./run.sh

if [ "${1:-}" = --run-sh ]; then
    cd "$(dirname "$0")/.."
    if [ -z "${DISPLAY:-}" ]; then
        exec bash scripts/xvfb.sh 1280x800x24 bash "$0" "$@"
    fi
    source scripts/xsession.sh
    start_null_audio || { echo "run.sh: no sound server could be started"; exit 1; }
    trap stop_null_audio EXIT
    out=$(mktemp)
    err=$(mktemp)
    TAVELIN_TIMING=1 ./run.sh >"$out" 2>"$err" &
    pid=$!
    for _ in $(seq 1800); do  # the build first, if there is one to do
        grep -q '^first-paint-ms' "$out" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 1
    done
    if ! grep -q '^first-paint-ms' "$out"; then
        kill -KILL "$pid" 2>/dev/null
        echo "run.sh: the window did not come up"
        tail -n 30 "$out" "$err"
        exit 1
    fi
    sleep 2
    kill -TERM "$pid"
    code=0
    wait "$pid" || code=$?
    if [ "$code" -ne 0 ]; then
        echo "run.sh: the program ended with status $code on SIGTERM"
        tail -n 30 "$err"
        exit 1
    fi
    echo "run.sh: the program came up and ended with status 0 on SIGTERM"
    exit 0
fi

usage() { echo "usage: scripts/fresh-debian.sh 12|13" >&2; exit 2; }
[ $# -eq 1 ] || usage
case "$1" in
    12) codename=bookworm ;;
    13) codename=trixie ;;
    *) usage ;;
esac
release=$1
src=$(cd "$(dirname "$0")/.." && pwd)
top=${FRESH_DEBIAN_DIR:-/var/tmp/tavelin-fresh-debian}
base="$top/$codename-debootstrap"
dir="$top/$codename"
log="$top/$codename.log"
mirror=http://deb.debian.org/debian

# ---------------------------------------------------------------- inside the mount namespace

if [ "${FRESH_DEBIAN_INNER:-}" = 1 ]; then
    mounts=()
    cleanup() {
        local i
        for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
            umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" 2>/dev/null || true
        done
    }
    trap cleanup EXIT
    bind() {
        mkdir -p "$dir$1"
        mount --bind "$1" "$dir$1"
        mounts+=("$dir$1")
    }
    bind /proc
    bind /sys
    bind /dev
    bind /dev/pts
    bind /dev/shm
    cp /etc/resolv.conf "$dir/etc/resolv.conf"

    # A root login's environment on a fresh machine: no display, no locale.
    # What ./test.sh installs first is installed while the network is
    # there; the runs then go in a network namespace of their own.
    env_of_root=(/usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)
    offline() { unshare --net bash -c 'ip link set lo up 2>/dev/null || true; exec "$@"' - chroot "$dir" "${env_of_root[@]}" "$@"; }

    status=0
    echo "== bash .ci/run"
    chroot "$dir" "${env_of_root[@]}" bash /root/tavelin/scripts/deps.sh build test package || status=1
    offline CI=true bash -c 'cd /root/tavelin && bash .ci/run </dev/null' || status=1

    # ./run.sh as a user starts it on a desktop: a display (Xvfb) and a sound
    # server (PulseAudio with a null sink); without one the program says so
    # in a message box and waits for it to be closed. It must come up (its
    # first paint) and end with status 0 on SIGTERM.
    echo "== ./run.sh"
    offline bash /root/tavelin/scripts/fresh-debian.sh --run-sh || status=1

    # Whatever the runs left behind goes before the mounts do.
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$dir" ] && kill -KILL "${proc#/proc/}" 2>/dev/null || true
    done
    exit $status
fi

# ---------------------------------------------------------------- outside

[ "$(id -u)" -eq 0 ] || { echo "fresh-debian: run as root (debootstrap, chroot, mount)" >&2; exit 1; }
bash "$src/scripts/deps.sh" fresh
commit=$(git -C "$src" rev-parse HEAD)
if [ -n "$(git -C "$src" status --porcelain --untracked-files=no)" ]; then
    echo "fresh-debian: the checkout has changes that are not committed; HEAD ($commit) is what is tried" >&2
fi
start=$SECONDS
mkdir -p "$top"

still_mounted() { grep -q " $1[/ ]" /proc/self/mountinfo; }
remove_tree() {  # never into a mount, should one be left under it
    if still_mounted "$1"; then
        echo "fresh-debian: something is still mounted under $1; not removing it" >&2
        exit 1
    fi
    rm -rf --one-file-system "$1"
}

if [ "${FRESH_DEBIAN_BOOTSTRAP:-0}" = 1 ] || [ ! -f "$base/.complete" ]; then
    remove_tree "$base"
    echo "fresh-debian: debootstrap --variant=minbase $codename $base"
    debootstrap --variant=minbase "$codename" "$base" "$mirror" >"$top/$codename-debootstrap.log" 2>&1 || {
        tail -n 20 "$top/$codename-debootstrap.log" >&2
        echo "fresh-debian: debootstrap failed (log: $top/$codename-debootstrap.log)" >&2
        exit 1
    }
    touch "$base/.complete"
fi
remove_tree "$dir"
cp -a "$base" "$dir"
rm -f "$dir/.complete"
git clone -q --no-hardlinks "$src" "$dir/root/tavelin"
git -C "$dir/root/tavelin" checkout -q --detach "$commit"
version=$(cat "$dir/etc/debian_version")

echo "fresh-debian: Debian $version ($codename), commit ${commit:0:12}; the output goes to $log"
status=0
FRESH_DEBIAN_INNER=1 unshare --mount --propagation private bash "$0" "$release" >"$log" 2>&1 || status=$?

# ---------------------------------------------------------------- the summary line

elapsed=$((SECONDS - start))
runsh=$(grep -q "^run.sh: the program came up and ended with status 0" "$log" && echo "run.sh ok" || echo "run.sh FAILED")
ctest_line=$(grep -E "^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+" "$log" | tail -1 || true)
if [ -n "$ctest_line" ]; then
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$ctest_line")
    bad=$(sed -E 's/.*, ([0-9]+) tests? failed.*/\1/' <<<"$ctest_line")
    tests="tests $((total - bad)) passed, $bad failed"
else
    tests="tests did not run"
fi
install_line=$(grep -E "^install-package: [0-9]+ passed, [0-9]+ failed" "$log" | tail -1 || true)
package=$(grep -q "^package.sh: build/package/" "$log" && echo "package $(grep "^package.sh: build/package/" "$log" | tail -1 | sed 's|.*/||') built, lintian passed" || echo "no package")
verdict=$([ "$status" -eq 0 ] && echo PASS || echo FAIL)
printf 'fresh-debian %s: Debian %s (%s), commit %s: %s; %s; %s; install test of the package: %s; %dm%02ds\n' \
    "$verdict" "$version" "$codename" "${commit:0:12}" "$runsh" "$tests" "$package" \
    "${install_line#install-package: }" $((elapsed / 60)) $((elapsed % 60))
[ "$status" -eq 0 ]
