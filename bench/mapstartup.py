#!/usr/bin/python3
"""Start-up of Quintavel against a bare Qt Widgets window: time from exec to the main window
being mapped, and resident memory once it is up.

    bench/mapstartup.py [--runs N] [--settle SECONDS] [QUINTAVEL [BARE_WINDOW]]
    bench/mapstartup.py --language de [--runs N] [QUINTAVEL]

Both programs default to the release build (build/release/bin/quintavel and
build/release/bin/bench_barewindow). Each run starts one program on a private Xvfb and ends it
with SIGKILL once measured. As on a desktop, every run gets a fresh runtime directory in memory
(below /dev/shm), and each program keeps one configuration directory on disk for all its runs:
the warm-up round, which is not counted, is its first start, and the counted ones are the
starts a user makes every day. The two programs take turns run by run, the first of each pair
changing every round, so that drift on a busy machine falls on both alike. Both are measured the same way:
the clock starts just before the fork and exec and stops when the X server reports the map of
the process's first top-level window; memory is VmRSS, read --settle seconds after that map.
It prints each program's medians, their ratios, and the median ratio of the two runs of a round.
With --language, Quintavel in that language takes turns with Quintavel in English instead, and
the median difference of the two runs of a round is printed.
"""

import argparse
import contextlib
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, Xatom, display, error

HERE = os.path.dirname(os.path.abspath(__file__))
BUILD_BIN = os.path.join(HERE, "..", "build", "release", "bin")


def start_xvfb(work):
    """A private X server on a free display number; returns (process, display name)."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0", "1024x768x24",
         "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, cwd=work)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        ready, _, _ = select.select([read_end], [], [], 10)
        chunk = os.read(read_end, 16) if ready else b""
        if not chunk:
            sys.exit("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return xvfb, ":" + number.decode().strip()


class MapWatch:
    """Reports the first top-level, non-override-redirect window that a given process maps."""

    def __init__(self, name):
        self.dpy = display.Display(name)
        self.dpy.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.pid_atom = self.dpy.intern_atom("_NET_WM_PID")
        self.dpy.sync()

    def drain(self):
        while self.dpy.pending_events():
            self.dpy.next_event()

    def window_pid(self, window):
        try:
            prop = window.get_full_property(self.pid_atom, Xatom.CARDINAL)
        except error.XError:
            return 0
        return int(prop.value[0]) if prop and len(prop.value) else 0

    def wait_map(self, pid, timeout):
        """(seconds on the clock at the map, window size), or None after the timeout."""
        deadline = time.perf_counter() + timeout
        while True:
            while self.dpy.pending_events():
                event = self.dpy.next_event()
                if event.type == X.MapNotify and not event.override:
                    at = time.perf_counter()
                    if self.window_pid(event.window) == pid:
                        geometry = event.window.get_geometry()
                        return at, (geometry.width, geometry.height)
            left = deadline - time.perf_counter()
            if left <= 0:
                return None
            select.select([self.dpy.fileno()], [], [], left)


def program_environment(name, work, key, language=None):
    """The environment program key starts in: this one, on the private display, with a home
    and a configuration directory of its own, nothing that would choose another platform or
    desktop, and English unless a language is given."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE",
                        "SESSION_MANAGER", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                        "LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    env.update(DISPLAY=name, HOME=os.path.join(work, "home"),
               XDG_CONFIG_HOME=os.path.join(work, "config-" + key), LANG="C.UTF-8")
    if language:
        env.update(LANGUAGE=language, LANG=language + ".UTF-8")
    return env


@contextlib.contextmanager
def fresh_runtime(env):
    """env with a runtime directory of its own for one run: in memory, as a desktop's is, where
    /dev/shm allows it."""
    memory = "/dev/shm" if os.access("/dev/shm", os.W_OK | os.X_OK) else None
    with tempfile.TemporaryDirectory(dir=memory) as runtime:
        yield dict(env, XDG_RUNTIME_DIR=runtime)


def resident_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def run_once(program, watch, env, settle):
    """One start: (milliseconds from exec to map, KiB resident after settling, window size)."""
    with fresh_runtime(env) as env:
        watch.drain()
        started = time.perf_counter()
        process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            mapped = watch.wait_map(process.pid, 20)
            if mapped is None:
                sys.exit("%s mapped no window" % program)
            at, size = mapped
            time.sleep(settle)
            memory = resident_kib(process.pid)
        finally:
            process.send_signal(signal.SIGKILL)
            process.wait()
        return (at - started) * 1000, memory, size


def parse_programs(parser):
    """Adds the two programs to parser's arguments and parses them: (arguments, {"bare": path,
    "quintavel": path}), after checking that both can run."""
    parser.add_argument("quintavel", nargs="?", default=os.path.join(BUILD_BIN, "quintavel"))
    parser.add_argument("bare", nargs="?", default=os.path.join(BUILD_BIN, "bench_barewindow"))
    args = parser.parse_args()
    programs = {"bare": os.path.abspath(args.bare), "quintavel": os.path.abspath(args.quintavel)}
    for program in programs.values():
        if not os.access(program, os.X_OK):
            sys.exit("no program %s: build the release preset first" % program)
    return args, programs


def quartiles(values):
    q = statistics.quantiles(values, n=4)
    return q[0], statistics.median(values), q[2]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--runs", type=int, default=41, help="counted runs of each program")
    parser.add_argument("--settle", type=float, default=0.5,
                        help="seconds after the map before memory is read")
    parser.add_argument("--language", help="compare Quintavel in this language with English")
    args, programs = parse_programs(parser)
    labels = {"bare": "bare Qt window", "quintavel": "Quintavel"}
    if args.language:
        programs["bare"] = programs["quintavel"]
        labels = {"bare": "Quintavel, en", "quintavel": "Quintavel, " + args.language}

    work = tempfile.mkdtemp()
    xvfb, name = start_xvfb(work)
    try:
        watch = MapWatch(name)
        envs = {key: program_environment(name, work, key,
                                         args.language if key == "quintavel" else None)
                for key in programs}
        results = {key: [] for key in programs}
        sizes = {}
        for round_number in range(args.runs + 1):
            order = ["bare", "quintavel"] if round_number % 2 == 0 else ["quintavel", "bare"]
            for key in order:
                ms, kib, size = run_once(programs[key], watch, envs[key], args.settle)
                sizes[key] = size
                if round_number > 0:
                    results[key].append((ms, kib))
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)

    print("Xvfb, %d runs of each, taking turns; memory read %.1f s after the map"
          % (args.runs, args.settle))
    medians = {}
    for key, label in labels.items():
        q1, med, q3 = quartiles([ms for ms, _ in results[key]])
        memory = statistics.median([kib / 1024 for _, kib in results[key]])
        medians[key] = (med, memory)
        print("%-15s %-8s exec to map: median %5.1f ms (quartiles %5.1f, %5.1f)   "
              "resident: median %5.1f MiB" % (label, "%dx%d" % sizes[key], med, q1, q3, memory))
    if args.language:
        difference = statistics.median(q[0] - b[0]
                                       for q, b in zip(results["quintavel"], results["bare"]))
        print("%s - %s: exec to map %+.2f ms (median of each round's difference %+.2f ms), "
              "resident memory %+.2f MiB" % (labels["quintavel"], labels["bare"],
                                             medians["quintavel"][0] - medians["bare"][0],
                                             difference,
                                             medians["quintavel"][1] - medians["bare"][1]))
        return
    # Runs of one round ran side by side, so their ratios see the same moment of the machine.
    paired = statistics.median(q[0] / b[0] for q, b in zip(results["quintavel"], results["bare"]))
    print("Quintavel / bare: exec to map %.2f (median of each round's ratio %.2f), "
          "resident memory %.2f" % (medians["quintavel"][0] / medians["bare"][0], paired,
                                    medians["quintavel"][1] / medians["bare"][1]))

if __name__ == "__main__":
    main()
