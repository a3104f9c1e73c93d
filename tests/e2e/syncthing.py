#!/usr/bin/env python3
"""One pupil, two computers, their pupils' folder shared by two real Syncthing
instances on loopback only (no global or local discovery, no relays, no NAT
traversal), each with a home and a data folder (XDG_DATA_HOME) of its own.

  tests/e2e/syncthing.py PROGRAM

Both computers record runs for the same pupil while the folder is paused
(through the program's own --import, which appends them to the computer's
own file as a run's end does); then the folder is resumed, and once it has
synced, --report on both gives the same summary, counting every run once.
Then again with a run recorded while the folder syncs. Every process this
starts it stops. Without syncthing it skips (status 77) and says why."""

import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import json
import urllib.request
import xml.etree.ElementTree as ET
from pathlib import Path

SKIP = 77
FOLDER_ID = "pupils"
PUPIL = "Léa"
failures = 0


def check(ok, what):
    global failures
    print(("ok: " if ok else "FAIL: ") + what, flush=True)
    if not ok:
        failures += 1
    return ok


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def poll(seconds, condition):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.2)
    return condition()


def runs_csv(computer, first, count, day):
    """count runs of five notes, their ids started by the computer's, as the
    program makes them, all on one day."""
    lines = ["started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys"]
    for n in range(first, first + count):
        started = "2024-09-%02dT%02d:%02d:00+02:00" % (day, 8 + n // 60, n % 60)
        for place in range(1, 6):
            right = (n + place) % 3 != 0
            lines.append("%s,%s.%08x-%d,1,%d,%d,treble,none,%s,no,%s," %
                         (started, computer, 0xabc, n, place, 60 + 2 * (place % 3),
                          "right" if right else "missed", "900" if right else ""))
    return "\n".join(lines) + "\n"


class Computer:
    def __init__(self, work, name, program):
        self.name = name
        self.program = program
        self.root = work / name
        self.home = self.root / "syncthing"
        self.data = self.root / "data"
        self.pupils = self.data / "tavelin-piano" / "pupils"
        self.pupils.mkdir(parents=True)
        self.gui = free_port()
        self.listen = free_port()
        self.proc = None
        self.env = dict(os.environ, HOME=str(self.root), STNOUPGRADE="1", STNODEFAULTFOLDER="1",
                        XDG_DATA_HOME=str(self.data))
        subprocess.run(["syncthing", "generate", "--home", str(self.home), "--no-default-folder",
                        "--skip-port-probing"], env=self.env, check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        self.configure()
        self.id = subprocess.run(["syncthing", "serve", "--home", str(self.home), "--device-id"], env=self.env,
                                 check=True, capture_output=True, text=True).stdout.strip()

    def configure(self):
        """Loopback only, before the first start: nothing is announced or relayed."""
        path = self.home / "config.xml"
        tree = ET.parse(path)
        options = tree.getroot().find("options")
        wanted = {"globalAnnounceEnabled": "false", "localAnnounceEnabled": "false", "relaysEnabled": "false",
                  "natEnabled": "false", "urAccepted": "-1", "autoUpgradeIntervalH": "0",
                  "crashReportingEnabled": "false", "startBrowser": "false"}
        for key, value in wanted.items():
            node = options.find(key)
            if node is None:
                node = ET.SubElement(options, key)
            node.text = value
        for node in options.findall("listenAddress"):
            options.remove(node)
        ET.SubElement(options, "listenAddress").text = "tcp://127.0.0.1:%d" % self.listen
        gui = tree.getroot().find("gui")
        gui.find("address").text = "127.0.0.1:%d" % self.gui
        self.apikey = gui.find("apikey").text
        tree.write(path)

    def start(self):
        log = open(self.root / "syncthing.log", "w")
        self.proc = subprocess.Popen(["syncthing", "serve", "--home", str(self.home), "--no-browser",
                                      "--no-restart", "--gui-address=127.0.0.1:%d" % self.gui],
                                     env=self.env, stdout=log, stderr=subprocess.STDOUT)
        return poll(60, lambda: self.ping())

    def stop(self):
        if self.proc is not None and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()

    def api(self, method, path, body=None):
        data = None if body is None else json.dumps(body).encode()
        request = urllib.request.Request("http://127.0.0.1:%d%s" % (self.gui, path), data=data, method=method,
                                         headers={"X-API-Key": self.apikey, "Content-Type": "application/json"})
        with urllib.request.urlopen(request, timeout=10) as answer:
            text = answer.read().decode()
            return json.loads(text) if text.strip().startswith(("{", "[")) else text

    def ping(self):
        try:
            return self.api("GET", "/rest/system/ping").get("ping") == "pong"
        except OSError:
            return False

    def share_with(self, other):
        self.api("POST", "/rest/config/devices", {"deviceID": other.id, "name": other.name,
                                                   "addresses": ["tcp://127.0.0.1:%d" % other.listen]})
        self.api("POST", "/rest/config/folders", {
            "id": FOLDER_ID, "label": "Élèves", "path": str(self.pupils), "type": "sendreceive",
            "devices": [{"deviceID": self.id}, {"deviceID": other.id}], "paused": True,
            "fsWatcherEnabled": False, "rescanIntervalS": 3600})

    def connected_to(self, other):
        try:
            return self.api("GET", "/rest/system/connections")["connections"].get(other.id, {}).get("connected")
        except OSError:
            return False

    def pause(self, paused):
        self.api("PATCH", "/rest/config/folders/" + FOLDER_ID, {"paused": paused})

    def scan(self):
        try:
            self.api("POST", "/rest/db/scan?folder=" + FOLDER_ID)
        except OSError:
            pass

    def idle(self):
        try:
            status = self.api("GET", "/rest/db/status?folder=" + FOLDER_ID)
        except OSError:
            return False
        return status.get("state") == "idle" and status.get("needTotalItems", 1) == 0

    def tavelin(self, *args, cwd=None):
        env = dict(self.env, QT_QPA_PLATFORM="offscreen", LANG="C.UTF-8", LANGUAGE="",
                   XDG_RUNTIME_DIR=str(self.root))
        return subprocess.run([self.program, *args], env=env, capture_output=True, text=True, cwd=cwd or self.root)

    def name_computer(self, shown):
        """This computer made its id (an import with nothing to add makes it),
        and is given the name its owner knows it by."""
        header = runs_csv("", 1, 0, 1)
        self.record(header, "nothing")
        ini = self.data / "tavelin-piano" / "computer.ini"
        lines = ini.read_text().splitlines()
        self.computer = next(line[3:] for line in lines if line.startswith("id="))
        ini.write_text("\n".join(line if not line.startswith("nom=") else "nom=" + shown for line in lines) + "\n")

    def record(self, csv_text, label):
        """Runs recorded through the program into this computer's own file."""
        source = self.root / (label + ".csv")
        source.write_text(csv_text)
        done = self.tavelin("--import", str(source), "--pupil", PUPIL)
        check(done.returncode == 0, "%s records %s (%s)" % (self.name, label, (done.stdout + done.stderr).strip()))

    def report(self):
        done = self.tavelin("--report", "--pupil", PUPIL, "--out", str(self.root / "report.png"))
        check(done.returncode == 0, "--report on %s works (%s)" % (self.name, done.stderr.strip()))
        return "\n".join(line for line in done.stdout.splitlines() if "report.png" not in line)

    def files(self):
        """The pupils' folder as Syncthing carries it: name and bytes of every file."""
        found = {}
        for path in sorted(self.pupils.rglob("*")):
            relative = path.relative_to(self.pupils).as_posix()
            if path.is_file() and not relative.startswith((".stfolder", ".stversions")) \
                    and ".syncthing." not in relative:
                found[relative] = path.read_bytes()
        return found


def synced(a, b):
    a.scan()
    b.scan()
    return a.files() == b.files() and a.idle() and b.idle()


def runs_in(summary):
    first = summary.splitlines()[1] if len(summary.splitlines()) > 1 else ""
    return int(first.split(" ")[0]) if first[:1].isdigit() else -1


def main():
    if len(sys.argv) != 2 or not os.access(sys.argv[1], os.X_OK):
        print("usage: tests/e2e/syncthing.py PROGRAM", file=sys.stderr)
        return 2
    if shutil.which("syncthing") is None:
        print("SKIP: syncthing is not installed (Debian package syncthing: bash scripts/deps.sh test)")
        return SKIP
    program = os.path.realpath(sys.argv[1])
    work = Path(tempfile.mkdtemp(prefix="tavelin-syncthing."))
    computers = []
    try:
        home = Computer(work, "maison", program)
        school = Computer(work, "ecole", program)
        computers = [home, school]
        for c in computers:
            if not check(c.start(), "Syncthing of %s answers on 127.0.0.1:%d" % (c.name, c.gui)):
                return 1
        home.share_with(school)
        school.share_with(home)
        check(poll(60, lambda: home.connected_to(school) and school.connected_to(home)),
              "the two Syncthing instances meet on loopback")

        home.name_computer("maison")
        school.name_computer("école")

        # Apart: both play while the folder is paused.
        home.record(runs_csv(home.computer, 1, 6, 2), "six runs at home")
        school.record(runs_csv(school.computer, 1, 4, 3), "four runs at school")
        check(runs_in(home.report()) == 6 and runs_in(school.report()) == 4, "apart, each sees its own runs")

        for c in computers:
            c.pause(False)
        check(poll(90, lambda: synced(home, school)), "the folder syncs both ways")
        first_home, first_school = home.report(), school.report()
        check(first_home == first_school, "after the sync --report gives the same summary on both")
        check(runs_in(first_home) == 10, "every run counted once: 6 + 4 = 10 (%d)" % runs_in(first_home))

        # A run recorded while the folder syncs (the home computer's run
        # reaches the school while the school records one of its own).
        home.record(runs_csv(home.computer, 7, 1, 4), "a run at home")
        home.scan()
        school.record(runs_csv(school.computer, 5, 1, 4), "a run at school during the sync")
        check(poll(90, lambda: synced(home, school)), "the folder syncs again")
        again_home, again_school = home.report(), school.report()
        check(again_home == again_school, "again the same summary on both")
        check(runs_in(again_home) == 12, "every run counted once: 10 + 2 = 12 (%d)" % runs_in(again_home))
        where = [line for line in again_home.splitlines() if line.startswith("Par ordinateur")]
        check(where and "maison, 7 séances" in where[0] and "école, 5 séances" in where[0],
              "the report tells the computers apart by their names: %s" % where)
        conflicts = [f for f in home.files() if "sync-conflict" in f]
        check(not conflicts, "no conflict copy: each computer writes only its own files %s" % conflicts)
        listing = home.tavelin("--list-pupils").stdout.split("\t")
        check(len(listing) > 1 and listing[1] == "12", "--list-pupils counts 12 runs too (%s)" % listing)
    finally:
        for c in computers:
            c.stop()
        if failures == 0:
            shutil.rmtree(work, ignore_errors=True)
        else:
            print("syncthing: the folders and logs are kept in %s" % work)
    print("syncthing: %d failure(s)" % failures)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
