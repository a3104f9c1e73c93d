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

import ctypes
import ctypes.util
import os
import statistics
import struct
import subprocess
import sys
import tempfile
import threading
import time

RATE = 48000
LOUD = 0.01  # -40 dBFS: a note heard, far above the null sink's exact zeros


class XTest:
    def __init__(self):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            raise RuntimeError("no X display")

    def button(self, down):
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1 if down else 0, 0)
        self.x11.XFlush(self.display)


class Recorder:
    def __init__(self):
        self.samples = []
        self.reads = []  # (sample count after the read, monotonic time)
        self.lock = threading.Lock()
        self.proc = subprocess.Popen(
            ["parec", "--device=cap.monitor", "--raw", "--format=float32le", "--channels=1",
             f"--rate={RATE}", "--latency-msec=10"], stdout=subprocess.PIPE, bufsize=0)
        self.thread = threading.Thread(target=self.run, daemon=True)
        self.thread.start()

    def run(self):
        pending = b""
        while True:
            data = self.proc.stdout.read(4096)
            now = time.monotonic()
            if not data:
                return
            data = pending + data
            whole = len(data) // 4
            values = struct.unpack(f"<{whole}f", data[:whole * 4])
            pending = data[whole * 4:]
            with self.lock:
                self.samples.extend(values)
                self.reads.append((len(self.samples), now))

    def count(self):
        with self.lock:
            return len(self.samples)

    def first_loud(self, start):
        """Monotonic time of the first loud sample from index start on."""
        with self.lock:
            for i in range(start, len(self.samples)):
                if abs(self.samples[i]) > LOUD:
                    for end, at in self.reads:
                        if end > i:
                            return at - (end - 1 - i) / RATE
            return None

    def quiet_for(self, seconds):
        with self.lock:
            tail = self.samples[-int(seconds * RATE):]
        # Below -60 dBFS: a reverb's or a release's tail may linger there.
        return len(tail) >= int(seconds * RATE) and max((abs(x) for x in tail), default=0) < 1e-3

    def stop(self):
        self.proc.terminate()
        self.proc.wait()


def wait_for(check, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if check():
            return True
        time.sleep(0.05)
    return False


def window(name):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                         capture_output=True, text=True).stdout.split()
    return out[0] if out else None


def measure(xtest, label, command, env, title, key_x, key_y, clicks):
    recorder = Recorder()
    if not wait_for(lambda: recorder.count() > RATE // 4, 10):
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
        program.terminate()
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()
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
    ours = measure(xtest, "ours", [program], env, "^Tavelin Piano 3.03$", 461, 440, clicks)

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
