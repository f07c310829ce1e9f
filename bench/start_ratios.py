#!/usr/bin/env python3
"""Side-by-side start-up measurements, printed as ratios (run by `make bench`).

window:   how long regforge takes until its main window is mapped, against a bare Qt 6 main
          window, both started alternately on the same X display (a private Xvfb when one is
          installed); the median of --runs starts each.
generate: the CPU time (user + system) of `regforge-cli generate CONFIG.sav` against `cat` of the
          two files it reads (the configuration and its device profile); the median of --runs.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def median_ms(samples):
    return statistics.median(samples) / 1000.0


def cpu_us(argv, env=None):
    """CPU time of one run of argv in microseconds, its output discarded."""
    with open(os.devnull, "wb") as sink:
        child = subprocess.Popen(argv, stdout=sink, stderr=sink, env=env)
        _, status, usage = os.wait4(child.pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        raise RuntimeError("failed: " + " ".join(argv))
    return (usage.ru_utime + usage.ru_stime) * 1e6


def start_xvfb():
    """A private X server and its display, or (None, None) when Xvfb is not installed."""
    if shutil.which("Xvfb") is None:
        return None, None
    # Xvfb picks a free display and writes its number once it accepts connections.
    ready, announce = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(announce), "-screen", "0", "1280x1024x24", "-noreset",
                               "-nolisten", "tcp"], pass_fds=(announce,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(announce)
    with os.fdopen(ready) as number:
        display = number.readline().strip()
    if not display:
        server.kill()
        server.wait()
        return None, None
    return server, ":" + display


def window_start_us(helper, program, env):
    out = subprocess.run([helper, program], env=env, capture_output=True, text=True, timeout=60)
    if out.returncode != 0:
        raise RuntimeError(out.stderr.strip() or program + " showed no window")
    return int(out.stdout)


def measure_window(args):
    for needed in (args.helper, args.bare, os.path.join(args.bin, "regforge")):
        if not os.access(needed, os.X_OK):
            print("window: skipped, %s was not built" % needed)
            return
    server, display = start_xvfb()
    if display is None:
        display = os.environ.get("DISPLAY")
    if not display:
        print("window: skipped, no X server (install xvfb for a private one)")
        return
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    try:
        with tempfile.TemporaryDirectory() as data:
            # The program's own data, copied: a start writes nothing, but never into the build.
            for sub in ("include", "replace"):
                shutil.copytree(os.path.join(args.bin, sub), os.path.join(data, sub))
            # A start without a settings file: no remembered configuration is loaded.
            settings = os.path.join(data, "include", "regforge")
            if os.path.exists(settings):
                os.remove(settings)
            env["REGFORGE_DATA_DIR"] = data
            ours, bare = [], []
            for run in range(args.runs + 2):
                b = window_start_us(args.helper, args.bare, env)
                o = window_start_us(args.helper, os.path.join(args.bin, "regforge"), env)
                if run >= 2:  # the first starts fill the file cache
                    bare.append(b)
                    ours.append(o)
    except RuntimeError as error:
        print("window: skipped, %s" % error)
        return
    finally:
        if server is not None:
            server.terminate()
            server.wait()
    print("window: regforge %.1f ms, bare Qt main window %.1f ms, ratio %.2f (median of %d, on %s)"
          % (median_ms(ours), median_ms(bare), statistics.median(ours) / statistics.median(bare),
             args.runs, display))


def measure_generate(args):
    cli = os.path.join(args.bin, "regforge-cli")
    with open(args.config, "rb") as config:
        lines = config.read().decode("latin-1").splitlines()
    device = lines[lines.index("[profile]") + 1].strip()
    profile = os.path.join(args.bin, "include", device + ".ini")
    env = dict(os.environ)
    env.pop("REGFORGE_DATA_DIR", None)
    ours, cat = [], []
    for run in range(args.runs + 2):
        c = cpu_us(["cat", args.config, profile])
        o = cpu_us([cli, "generate", args.config], env)
        if run >= 2:
            cat.append(c)
            ours.append(o)
    print("generate: regforge-cli %.2f ms CPU, cat of its two files %.2f ms CPU, ratio %.2f (median of %d, %s)"
          % (median_ms(ours), median_ms(cat), statistics.median(ours) / statistics.median(cat), args.runs,
             os.path.basename(args.config)))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", required=True, help="the program folder (build/bin)")
    parser.add_argument("--bare", required=True, help="the bare Qt main window program")
    parser.add_argument("--helper", required=True, help="regforge-window-start")
    parser.add_argument("--config", required=True, help="the saved configuration generate reads")
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--only", choices=("window", "generate"))
    args = parser.parse_args()
    if args.only != "generate":
        measure_window(args)
    if args.only != "window":
        measure_generate(args)
    return 0


if __name__ == "__main__":
    sys.exit(main())
