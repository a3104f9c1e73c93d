#!/usr/bin/env python3
"""Mouse click on a piano key -> first loud sound on the null sink's monitor.

    bench/clicksound.py PROGRAM [--clicks N]     (bench/clicksound.sh runs it)

Runs inside an X server (DISPLAY) with a PulseAudio server (PULSE_SERVER)
playing into a null sink "cap". For each program in turn, ours (PROGRAM)
and VMPK where it is installed, in the same run and on the same server:
parec records cap.monitor (--latency-msec=10) from before the program
starts; once sound flows and the window is up, the pointer is moved onto a
white key (xdotool), and a press and a release go to the X server through
XTest from this process (libXtst through ctypes, as xdotool does, without a
process start inside the timed path).
The time of the first sample above -40 dBFS is the time the read that
brought it returned, less the samples that came after it in that read, so
that parec's 10 ms reads do not round every figure up.

The clock starts just before the press is sent. Prints a row of the
results table on stdout, details on stderr.
"""

import os
import statistics
import subprocess
import sys
import tempfile
import time

from xsound import XTest, Recorder, caption, end, wait_for, window


def measure(xtest, label, command, env, title, key_x, key_y, clicks):
    recorder = Recorder()
    if not recorder.flowing():
        print(f"clicksound: {label}: parec recorded nothing", file=sys.stderr)
        recorder.stop()
        return None
    program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    times = []
    try:
        if not wait_for(lambda: window(title) is not None, 30):
            print(f"clicksound: {label}: no window named {title!r}", file=sys.stderr)
            return None
        win = window(title)
        subprocess.run(["xdotool", "mousemove", "--window", win, str(key_x), str(key_y)], check=False)
        # Our greeting scale, VMPK's start-up: wait for a whole second of silence.
        wait_for(lambda: recorder.quiet_for(1.0), 30)
        for _ in range(clicks):
            if not wait_for(lambda: recorder.quiet_for(0.3), 20):
                print(f"clicksound: {label}: the last note would not die away", file=sys.stderr)
            start = recorder.count()
            sent = time.monotonic()
            xtest.button(True)
            xtest.button(False)
            if wait_for(lambda: recorder.first_loud(start) is not None, 3):
                heard = recorder.first_loud(start)
                times.append(1000 * (heard - sent))
            time.sleep(0.4)
    finally:
        end(program)
        recorder.stop()
    print(f"clicksound: {label}: {len(times)} of {clicks} heard: " + ", ".join(f"{t:.1f}" for t in times),
          file=sys.stderr)
    return times


def main():
    args = sys.argv[1:]
    clicks = 10
    if "--clicks" in args:
        i = args.index("--clicks")
        clicks = int(args[i + 1])
        del args[i:i + 2]
    program = args[0]
    load = open("/proc/loadavg").read().split()[0]
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    xtest = XTest()
    ours = measure(xtest, "ours", [program], env, "^%s$" % caption(), 461, 440, clicks)

    vmpk = None
    vmpk_label = "VMPK 0.8.8 (default output, Sonivox EAS)"
    if subprocess.run(["sh", "-c", "command -v vmpk"], capture_output=True).returncode == 0:
        # A fresh user's VMPK: settings of its own in a folder that goes.
        with tempfile.TemporaryDirectory() as home:
            venv = dict(env, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
            # Middle C's neighbourhood, low on a white key of its 88-key keyboard.
            vmpk = measure(xtest, "vmpk", ["vmpk"], venv, "^Virtual MIDI Piano Keyboard$", 490, 175, clicks)
    else:
        print("clicksound: vmpk is not installed; not measured", file=sys.stderr)

    print(f"clicksound: load average {load}", file=sys.stderr)

    def cell(times):
        if not times:
            return "not measured"
        return f"{statistics.median(times):.1f} ms ({min(times):.1f}–{max(times):.1f}, n={len(times)})"

    ratio = ""
    verdict = "—"
    if ours:
        met = statistics.median(ours) <= 12
        if vmpk:
            r = statistics.median(vmpk) / statistics.median(ours)
            ratio = f"; VMPK / ours = {r:.1f}×"
            met = met and r >= 3
        verdict = "met" if met else "**MISSED**"
    print(f"| Mouse click on a key (XTest press and release under Xvfb, pointer placed by xdotool) → first sound "
          f"above −40 dBFS on the null sink's monitor (parec --latency-msec=10, read times less the samples "
          f"after it), same run and server; load average {load} | "
          f"ours: {cell(ours)} | {vmpk_label}: {cell(vmpk)}{ratio} | ≤ 12 ms, ≥ 3× faster than VMPK | {verdict} |")
    return 0 if ours else 1


if __name__ == "__main__":
    sys.exit(main())
