"""What the sound benches share: XTest input, a recorder of the null sink's
monitor, and waits on the recording.

Runs inside an X server (DISPLAY) with a PulseAudio server (PULSE_SERVER)
playing into a null sink "cap"; bench/xsession's start_null_audio makes one.
"""

import ctypes
import ctypes.util
import os
import re
import struct
import subprocess
import threading
import time

RATE = 48000


def caption():
    """The main window's caption, with the version project() states in CMakeLists.txt."""
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "CMakeLists.txt")) as f:
        version = re.search(r"^project\(TavelinPiano VERSION ([0-9.]+) ", f.read(), re.M).group(1)
    return "Tavelin Piano " + version

LOUD = 0.01  # -40 dBFS: a note heard, far above the null sink's exact zeros


class XTest:
    """Presses and releases sent to the X server from this process (libXtst
    through ctypes, as xdotool does, without a process start inside a timed
    path). Keys are X key codes, so a key is the same physical key whatever
    the layout."""

    def __init__(self):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            raise RuntimeError("no X display")

    def button(self, down):
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1 if down else 0, 0)
        self.x11.XFlush(self.display)

    def keys(self, codes, down):
        for code in codes:
            self.xtst.XTestFakeKeyEvent(self.display, code, 1 if down else 0, 0)
        self.x11.XFlush(self.display)


class Recorder:
    """parec on cap.monitor from now on, mono float at RATE, with the time
    each read returned."""

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

    def flowing(self):
        """True once a quarter of a second has been recorded."""
        return wait_for(lambda: self.count() > RATE // 4, 10)

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

    def between(self, start, end):
        with self.lock:
            return self.samples[start:end]

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


def end(program):
    program.terminate()
    try:
        program.wait(10)
    except subprocess.TimeoutExpired:
        program.kill()
        program.wait()


# A dropout is sound that stops dead and comes back: the server, given
# nothing in time, plays exact silence into the middle of a note. A note's
# own end fades through -40 and -80 dBFS over tens of milliseconds, so what
# is loud just before a silent stretch is a cut, not an ending.
GAP = RATE * 5 // 1000      # 5 ms
EDGE = RATE * 2 // 1000     # 2 ms either side of it
SILENT = 1e-4               # -80 dBFS
SOUNDING = 3e-3             # -50 dBFS
BACK_WITHIN = RATE          # comes back within 1 s: a gap, not the end


def dropouts(samples):
    """Start indexes of the silent stretches of 5 ms or more that cut a
    sounding note and give way to sound again within a second."""
    found = []
    i = 0
    n = len(samples)
    while i < n:
        if abs(samples[i]) >= SILENT:
            i += 1
            continue
        j = i
        while j < n and abs(samples[j]) < SILENT:
            j += 1
        if j - i >= GAP and j - i <= BACK_WITHIN and i >= EDGE and j + EDGE <= n:
            before = max(abs(x) for x in samples[i - EDGE:i])
            after = max(abs(x) for x in samples[j:j + EDGE])
            if before >= SOUNDING and after >= SOUNDING:
                found.append(i)
        i = j
    return found
