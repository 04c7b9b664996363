"""Runs Kestrane's measurements and prints the figures: start-up and peak
memory against a bare Qt window (as ratios measured in the same run), Paste
and Cross of 256 rows through the real widgets, and the parse of a megabyte,
on Qt's offscreen platform; then, on an X server of its own (Xvfb), actions on
texts of 100 MB that another program holds on the clipboard, against a bare
Qt program that reads the same text from it: the longest time each action
stands the event loop still against the time the read takes, and the peak
memory of each run against the bare program's. The same widgets in a plain Qt
program are measured too, to tell Qt's own cost from the toolkit layer's and
the application's.
Usage: python3 bench/measure.py BUILD_DIR [RUNS]"""
import contextlib, os, statistics, subprocess, sys, time

build, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 40
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def run_once(program, *args, run_env=None, tries=1):
    """Wall time in ms, peak resident memory in KiB and the output of one run.
    A run that fails is tried again up to `tries` times in all."""
    for _ in range(tries):
        start = time.perf_counter()
        child = subprocess.Popen([program, *args], env=run_env or env, stdout=subprocess.PIPE,
                                 stderr=subprocess.DEVNULL, text=True)
        output = child.stdout.read()
        _, status, usage = os.wait4(child.pid, 0)
        elapsed = (time.perf_counter() - start) * 1000
        if status == 0:
            return elapsed, usage.ru_maxrss, output
    sys.exit(f"{program} exited with status {status}")


def startup_and_memory():
    programs = {"kestrane": f"{build}/bench/bench_startup", "bare": f"{build}/bench/bench_bare_window",
                "plain": f"{build}/bench/bench_plain_widgets"}
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    for name in programs:  # warm the file cache for both before measuring
        run_once(programs[name])
    for _ in range(runs):  # alternate, so that machine load falls on both alike
        for name, program in programs.items():
            elapsed, rss, _ = run_once(program)
            times[name].append(elapsed)
            memory[name].append(rss)
    t = {name: statistics.median(values) for name, values in times.items()}
    m = {name: statistics.median(values) for name, values in memory.items()}
    for figure, values, unit in (("startup_median_ms", t, ".1f"), ("peak_rss_kib", m, ".0f")):
        print(f"{figure} kestrane {values['kestrane']:{unit}} bare {values['bare']:{unit}} "
              f"plain_widgets {values['plain']:{unit}} ratio_to_bare {values['kestrane'] / values['bare']:.3f} "
              f"ratio_to_plain_widgets {values['kestrane'] / values['plain']:.3f}")


@contextlib.contextmanager
def x_server():
    """An Xvfb of its own, on a display number it picks itself."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as numbers:
        display = ":" + numbers.readline().strip()
    try:
        yield dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    finally:
        server.terminate()
        server.wait()


def huge_texts(size=100 << 20, runs=3):
    """Each shape held by bench_clipboard_owner: the bare read and Kestrane's
    actions, runs alternated, medians printed: the longest stop of the event
    loop and the processor time, each against the bare read's, and the peak
    memory of the run against the bare program's."""
    with x_server() as x_env:
        for shape in ("lines", "short", "cells", "entry", "allele"):
            owner = subprocess.Popen([f"{build}/bench/bench_clipboard_owner", shape, str(size)], env=x_env,
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            if owner.stdout.readline().strip() != "owned":
                sys.exit("the clipboard owner did not start")
            read, read_cpu, bare_memory, stops, cpu, memory = [], [], [], {}, {}, []
            for _ in range(runs):
                # Qt gives up a clipboard read whose owner stalls for seconds, as
                # on a machine busy with other work: such a read is made again.
                _, rss, output = run_once(f"{build}/bench/bench_bare_clipboard", run_env=x_env, tries=3)
                words = output.split()  # read_ms MS cpu_ms MS characters N
                read.append(float(words[1]))
                read_cpu.append(float(words[3]))
                bare_memory.append(rss / 1024)
                for _ in range(3):
                    _, rss, output = run_once(f"{build}/bench/bench_action_gaps", run_env=x_env)
                    if "found no text" not in output:
                        break
                for line in output.splitlines():
                    words = line.split()  # longest_gap_ms ACTION MS cpu_ms MS message_boxes N
                    if words and words[0] == "longest_gap_ms":
                        stops.setdefault(words[1], []).append(float(words[2]))
                        cpu.setdefault(words[1], []).append(float(words[4]))
                memory.append(rss / 1024)
            owner.terminate()
            owner.wait()
            bare_read, bare_cpu, bare_peak = (statistics.median(v) for v in (read, read_cpu, bare_memory))
            peak = statistics.median(memory)
            print(f"huge_{size >> 20}mb_{shape} bare read {bare_read:.0f} ms (cpu {bare_cpu:.0f} ms), peak "
                  f"{bare_peak:.0f} MB; kestrane peak {peak:.0f} MB, ratio {peak / bare_peak:.2f}")
            for action in stops:
                stop, used = statistics.median(stops[action]), statistics.median(cpu[action])
                print(f"  {action:20} longest stop {stop:7.1f} ms ratio {stop / bare_read:.2f}; "
                      f"cpu {used:6.0f} ms ratio {used / bare_cpu:.2f}")


def print_program(program, *args):
    output = subprocess.run([program, *args], env=env, check=True, capture_output=True, text=True).stdout
    print(output, end="")


startup_and_memory()
print_program(f"{build}/bench/bench_cross")
print_program(f"{build}/bench/bench_parse")
huge_texts()
