"""Runs Kestrane's measurements and prints the figures: start-up and peak
memory against a bare Qt window (as ratios measured in the same run), Paste
and Cross of 256 rows through the real widgets, the parse of a megabyte, a
Paste of 100 MB against a bare Qt program that puts the same text on the
clipboard and reads it back, and the longest time the event loop stands
still during each action on texts of 10 MB. The same widgets in a plain Qt
program are measured too, to tell Qt's own cost from the toolkit layer's and
the application's.
Usage: python3 bench/measure.py BUILD_DIR [RUNS]"""
import os, statistics, subprocess, sys, time

build, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 40
env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))


def run_once(program, *args):
    """Wall time in ms and peak resident memory in KiB of one run."""
    start = time.perf_counter()
    child = subprocess.Popen([program, *args], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = (time.perf_counter() - start) * 1000
    if status != 0:
        sys.exit(f"{program} exited with status {status}")
    return elapsed, usage.ru_maxrss


def startup_and_memory():
    programs = {"kestrane": f"{build}/bench/bench_startup", "bare": f"{build}/bench/bench_bare_window",
                "plain": f"{build}/bench/bench_plain_widgets"}
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    for name in programs:  # warm the file cache for both before measuring
        run_once(programs[name])
    for _ in range(runs):  # alternate, so that machine load falls on both alike
        for name, program in programs.items():
            elapsed, rss = run_once(program)
            times[name].append(elapsed)
            memory[name].append(rss)
    t = {name: statistics.median(values) for name, values in times.items()}
    m = {name: statistics.median(values) for name, values in memory.items()}
    for figure, values, unit in (("startup_median_ms", t, ".1f"), ("peak_rss_kib", m, ".0f")):
        print(f"{figure} kestrane {values['kestrane']:{unit}} bare {values['bare']:{unit}} "
              f"plain_widgets {values['plain']:{unit}} ratio_to_bare {values['kestrane'] / values['bare']:.3f} "
              f"ratio_to_plain_widgets {values['kestrane'] / values['plain']:.3f}")


def huge_paste(size=100 << 20, runs=5):
    """A Paste of `size` bytes through the real main window against the bare
    program, whole runs (start, making the text, clipboard, quit) alternated."""
    programs = {"kestrane": f"{build}/bench/bench_paste", "bare": f"{build}/bench/bench_bare_clipboard"}
    for shape in ("lines", "short"):
        times = {name: [] for name in programs}
        memory = {name: [] for name in programs}
        for _ in range(runs):
            for name, program in programs.items():
                elapsed, rss = run_once(program, shape, str(size))
                times[name].append(elapsed)
                memory[name].append(rss)
        t = {name: statistics.median(values) for name, values in times.items()}
        m = {name: statistics.median(values) / 1024 for name, values in memory.items()}
        print(f"paste_{size >> 20}mb_{shape} kestrane {t['kestrane']:.0f} ms {m['kestrane']:.0f} MB "
              f"bare {t['bare']:.0f} ms {m['bare']:.0f} MB "
              f"ratio_time {t['kestrane'] / t['bare']:.2f} ratio_memory {m['kestrane'] / m['bare']:.2f}")


def print_program(program, *args):
    output = subprocess.run([program, *args], env=env, check=True, capture_output=True, text=True).stdout
    print(output, end="")


startup_and_memory()
print_program(f"{build}/bench/bench_cross")
print_program(f"{build}/bench/bench_parse")
huge_paste()
print_program(f"{build}/bench/bench_action_gaps", "10", "1")
