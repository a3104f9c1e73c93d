#!/usr/bin/env python3
"""Dropouts in what the program plays, heard on the null sink's monitor.

    bench/playsound.py PROGRAM [--quick]     (bench/playsound.sh runs it)

The program runs as a pupil uses it, inside an X server (DISPLAY) with a
PulseAudio server (PULSE_SERVER) playing into a null sink "cap", recorded
from before it starts:

- chords: five C-E-G chords held 4 s each from the computer keyboard (the
  physical keys of Q, E and T on a QWERTY board, middle C's row), pressed
  and released as X key codes through XTest;
- a run: speed 5 (two clicks on the speed bar's right arrow), "Son" ticked
  as it starts, F2 starts "Clef de sol" and it plays for 60 s;

each on an idle machine, with two busy processes (`yes`) beside it, and idle
but with two processes that run only when nothing else wants a core
(`chrt -i 0 yes`, SCHED_IDLE): they take no time from the program or the
server, and keep the cores from going to sleep, which on a virtual machine
hands the core back to the host until it is woken. Then a check of the
counting itself: the server is stopped for 40 ms in the middle of a held
chord, which must be found as a dropout.

A dropout (xsound.dropouts): a stretch of 5 ms or more below -80 dBFS that
cuts sound above -50 dBFS dead and gives way to it again within a second.
Prints rows of the results table on stdout, details on stderr.
"""

import os
import signal
import subprocess
import sys
import time

from xsound import RATE, XTest, Recorder, caption, dropouts, end, wait_for, window

TITLE = "^%s$" % caption()
CHORD = [24, 26, 28]  # X key codes of Q, E, T: C4, E4, G4 on the top letter row
F2 = 68
SPEED_ARROW = (845, 280)  # the speed bar's right arrow, in the window
AWAY_FROM_KEYS = (200, 150)  # over the staff: the pointer there gives the window the keyboard


CONDITIONS = {
    "idle": [],
    "busy": ["yes"],
    "awake": ["chrt", "-i", "0", "yes"],
}
LABELS = {
    "idle": "idle",
    "busy": "two busy processes",
    "awake": "idle, cores kept awake",
}


def helpers(condition):
    command = CONDITIONS[condition]
    if not command:
        return []
    return [subprocess.Popen(command, stdout=subprocess.DEVNULL) for _ in range(2)]


def server_pid():
    try:
        with open(os.path.join(os.environ["PULSE_RUNTIME_PATH"], "pid")) as f:
            return int(f.read().split()[0])
    except (KeyError, OSError, ValueError):
        return None


def start(program, env, recorder):
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not wait_for(lambda: window(TITLE) is not None, 30):
        end(proc)
        raise RuntimeError("no window")
    win = window(TITLE)
    subprocess.run(["xdotool", "mousemove", "--window", win, *map(str, AWAY_FROM_KEYS)], check=False)
    wait_for(lambda: recorder.quiet_for(1.0), 30)  # the greeting scale has died away
    return proc, win


def chords(xtest, recorder, count, stall=None):
    """Holds count chords of 4 s; returns (dropouts, chords heard)."""
    found = 0
    heard = 0
    for k in range(count):
        first = recorder.count()
        xtest.keys(CHORD, True)
        if k == 0 and stall is not None:
            time.sleep(2)
            os.kill(stall, signal.SIGSTOP)
            time.sleep(0.04)
            os.kill(stall, signal.SIGCONT)
            time.sleep(2)
        else:
            time.sleep(4)
        xtest.keys(CHORD, False)
        wait_for(lambda: recorder.quiet_for(0.3), 5)
        time.sleep(0.2)
        part = recorder.between(first, recorder.count())
        heard += max((abs(x) for x in part), default=0) > 0.01
        found += len(dropouts(part))
    return found, heard


def exercise(xtest, recorder, win, seconds):
    """Speed 5, F2, seconds of the run; returns (dropouts, notes heard)."""
    for _ in range(2):
        subprocess.run(["xdotool", "mousemove", "--window", win, *map(str, SPEED_ARROW), "click", "1"], check=False)
        time.sleep(0.3)
    subprocess.run(["xdotool", "mousemove", "--window", win, *map(str, AWAY_FROM_KEYS)], check=False)
    first = recorder.count()
    xtest.keys([F2], True)
    xtest.keys([F2], False)
    time.sleep(seconds)
    part = recorder.between(first, recorder.count())
    # Onsets: silence (below -60 dBFS for 50 ms) then sound above -40 dBFS.
    notes = 0
    quiet = 0
    armed = False
    for x in part:
        if abs(x) < 1e-3:
            quiet += 1
            armed = armed or quiet >= RATE // 20
        else:
            quiet = 0
            if armed and abs(x) > 0.01:
                notes += 1
                armed = False
    return len(dropouts(part)), notes


def session(program, env, quick, condition):
    recorder = Recorder()
    if not recorder.flowing():
        recorder.stop()
        raise RuntimeError("parec recorded nothing")
    xtest = XTest()
    beside = []
    proc = None
    try:
        proc, win = start(program, env, recorder)
        beside = helpers(condition)
        time.sleep(1)
        load = open("/proc/loadavg").read().split()[0]
        chord = chords(xtest, recorder, 2 if quick else 5)
        run = exercise(xtest, recorder, win, 12 if quick else 60)
        load = f"{load}–{open('/proc/loadavg').read().split()[0]}"
        return chord, run, load
    finally:
        for h in beside:
            h.kill()
            h.wait()
        if proc is not None:
            end(proc)
        recorder.stop()


def stall_check(program, env):
    recorder = Recorder()
    if not recorder.flowing():
        recorder.stop()
        raise RuntimeError("parec recorded nothing")
    proc = None
    try:
        proc, _ = start(program, env, recorder)
        pid = server_pid()
        if pid is None:
            return None
        return chords(XTest(), recorder, 1, stall=pid)[0]
    finally:
        if proc is not None:
            end(proc)
        recorder.stop()


def main():
    program = sys.argv[1]
    quick = "--quick" in sys.argv[2:]
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    status = 0
    results = {}
    for condition in CONDITIONS:
        try:
            results[condition] = session(program, env, quick, condition)
        except RuntimeError as e:
            print(f"playsound: {condition}: {e}", file=sys.stderr)
            status = 1
    for condition, ((cd, ch), (rd, notes), load) in results.items():
        print(f"playsound: {LABELS[condition]}, load {load}: chords heard {ch}, dropouts {cd}; "
              f"run: {notes} notes heard, dropouts {rd}", file=sys.stderr)
    try:
        stalled = stall_check(program, env)
    except RuntimeError as e:
        print(f"playsound: {e}", file=sys.stderr)
        stalled = None
    chords_n = 2 if quick else 5
    seconds = 12 if quick else 60
    shown = " / ".join(LABELS[c] for c in CONDITIONS)

    def cell(run):
        parts = []
        for condition in CONDITIONS:
            if condition not in results:
                parts.append("not measured")
                continue
            (cd, ch), (rd, notes), _ = results[condition]
            parts.append(f"{rd} in {notes} notes" if run else f"{cd} in {ch} chords")
        return " / ".join(parts)

    def verdict(run):
        # The goal is the busy machine's; the other two say why it differs.
        if "busy" not in results:
            return "—"
        (cd, _), (rd, _), _ = results["busy"]
        return "met" if (rd if run else cd) == 0 else "**MISSED**"

    loads = ", ".join(results[c][2] for c in CONDITIONS if c in results)
    print(f"| Dropouts (5 ms below −80 dBFS cutting sound above −50 dBFS) in {chords_n} C–E–G chords held 4 s "
          f"from the computer keyboard (XTest key codes), {shown}; load {loads} | "
          f"{cell(False)} | — | 0 with two busy processes | {verdict(False)} |")
    print(f"| Dropouts in {seconds} s of a run at speed 5 with \"Son\" ticked (F2), {shown} | "
          f"{cell(True)} | — | 0 with two busy processes | {verdict(True)} |")
    check = "not measured" if stalled is None else f"{stalled} found"
    print(f"| The count checked: the sound server stopped (SIGSTOP) for 40 ms inside a held chord | "
          f"{check} | — | ≥ 1 | {'met' if stalled else '**FAILED**'} |")
    if not stalled:
        status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
