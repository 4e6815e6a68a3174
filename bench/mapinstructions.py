#!/usr/bin/python3
"""Instructions from exec to the first map: Quintavel against the bare Qt Widgets window.

    bench/mapinstructions.py [--runs N] [QUINTAVEL [BARE_WINDOW]]
    bench/mapinstructions.py --language ja [--runs N] [--keep DIR] [QUINTAVEL]

Wall time on a shared machine drifts from run to run; an instruction count does not. Each run
starts one program under valgrind's callgrind on a private Xvfb, in the directories
bench/mapstartup.py gives it, after one start without callgrind that was its first. Callgrind writes its counters out as the program starts to handle the
X server's map notification of its window, which is the moment bench/mapstartup.py stops its
clock; the program is then ended. Counted are the instructions of every thread of the process,
from its first one (the dynamic loader) on. It prints each program's count and their
difference; with --runs above 1 it prints the smallest and largest count too, which tells
whether anything but the program itself (the font cache, the environment) moved the figure.
With --language, Quintavel in that language is counted against Quintavel in English, and --keep
keeps each program's callgrind output in DIR for callgrind_annotate.
"""

import argparse
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from mapstartup import (MapWatch, fresh_runtime, parse_programs, program_environment, run_once,
                        start_xvfb)

MAP_HANDLER = "QXcbWindow::handleMapNotifyEvent*"


def callgrind_total(path):
    """The instruction total a callgrind output file gives."""
    with open(path) as out:
        for line in out:
            if line.startswith(("summary:", "totals:")):
                return int(line.split()[1])
    sys.exit("no total in %s" % path)


def count_once(program, watch, env, keep=None):
    """Instructions from exec to the handling of the first map, in millions; with keep, the
    callgrind output is copied there."""
    with fresh_runtime(env) as env, tempfile.TemporaryDirectory() as private:
        out = os.path.join(private, "callgrind.out")
        watch.drain()
        process = subprocess.Popen(
            ["valgrind", "--tool=callgrind", "--dump-before=" + MAP_HANDLER,
             "--callgrind-out-file=" + out, program],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            if watch.wait_map(process.pid, 120) is None:
                sys.exit("%s mapped no window under callgrind" % program)
            # The map is seen here before the program has handled it; the first dump is
            # written when it does.
            for _ in range(1200):
                dumps = sorted(glob.glob(out + ".*"))
                if dumps and os.path.getsize(dumps[0]) > 0:
                    try:
                        total = callgrind_total(dumps[0]) / 1e6
                        if keep:
                            shutil.copy(dumps[0], keep)
                        return total
                    except SystemExit:
                        pass
                time.sleep(0.05)
            sys.exit("%s wrote no counts at its map" % program)
        finally:
            process.send_signal(signal.SIGKILL)
            process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--runs", type=int, default=1, help="counted runs of each program")
    parser.add_argument("--language", help="count Quintavel in this language against English")
    parser.add_argument("--keep", help="a folder for each program's callgrind output")
    args, programs = parse_programs(parser)
    labels = {"bare": "bare Qt window", "quintavel": "Quintavel"}
    if args.language:
        programs["bare"] = programs["quintavel"]
        labels = {"bare": "Quintavel, en", "quintavel": "Quintavel, " + args.language}
    if shutil.which("valgrind") is None:
        sys.exit("valgrind is needed")

    work = tempfile.mkdtemp()
    xvfb, name = start_xvfb(work)
    try:
        watch = MapWatch(name)
        counts = {}
        for key, program in programs.items():
            env = program_environment(name, work, key,
                                      args.language if key == "quintavel" else None)
            run_once(program, watch, env, 0)
            keep = os.path.join(args.keep, key + ".callgrind") if args.keep else None
            counts[key] = [count_once(program, watch, env, keep) for _ in range(args.runs)]
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)

    print("callgrind, exec to the map of the first window, %d run(s) of each" % args.runs)
    for key, label in labels.items():
        values = counts[key]
        spread = "" if len(values) == 1 else "   (%.1fM to %.1fM)" % (min(values), max(values))
        print("%-15s %6.1fM instructions%s" % (label, min(values), spread))
    bare, app = min(counts["bare"]), min(counts["quintavel"])
    print("%s - %s: %.1fM more, %.2f times as many"
          % (labels["quintavel"], labels["bare"], app - bare, app / bare))


if __name__ == "__main__":
    main()
