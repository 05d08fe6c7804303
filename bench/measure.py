#!/usr/bin/env python3
"""Measures quillcast-cli on generated programs and prints the benchmark table.

Called by bench/run after the Release build and the esbuild install; usable on its own:
    measure.py --cli PATH --esbuild PATH [--sizes 1000,10000,100000] [--runs 5]
Figures only: nothing here decides pass or fail.
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
STAGES = ["read", "translate", "loops", "compact", "write"]
TIMINGS = re.compile(
    r"timings: read ([\d.]+) ms, translate ([\d.]+) ms, loops ([\d.]+) ms, "
    r"compact ([\d.]+) ms, write ([\d.]+) ms, script (\d+) -> (\d+) bytes")


def generate(lines, seed, path):
    subprocess.run([sys.executable, os.path.join(HERE, "gen-program.py"), str(lines),
                    "--seed", str(seed), "-o", path], check=True)
    return path


def run_cli(cli, source, output, extra=()):
    """One conversion: wall time, peak memory (KB), exit code, stage timings."""
    time_file = output + ".time"
    cmd = ["/usr/bin/time", "-f", "%M", "-o", time_file, cli, source, "-o", output,
           "--quiet", "--timings", *extra]
    start = time.perf_counter()
    proc = subprocess.run(cmd, capture_output=True, text=True)
    wall = (time.perf_counter() - start) * 1000
    with open(time_file) as f:
        peak_kb = int(f.read().strip().splitlines()[-1])
    match = TIMINGS.search(proc.stderr)
    stages = dict(zip(STAGES, map(float, match.groups()[:5]))) if match else {}
    sizes = (int(match.group(6)), int(match.group(7))) if match else (0, 0)
    return {"ms": wall, "peak_kb": peak_kb, "exit": proc.returncode, "stages": stages,
            "bytes": sizes}


def median_runs(runs, cli, source, output, extra=()):
    results = [run_cli(cli, source, output, extra) for _ in range(runs)]
    med = {"ms": statistics.median(r["ms"] for r in results),
           "peak_kb": statistics.median(r["peak_kb"] for r in results),
           "exit": results[-1]["exit"], "bytes": results[-1]["bytes"], "stages": {}}
    # The fastest run as well: on a shared machine the neighbours only ever add time, so the
    # minimum shows the program's own cost when the median is pulled up by them.
    med["best_ms"] = min(r["ms"] for r in results)
    med["best_stages"] = {}
    for stage in STAGES:
        values = [r["stages"].get(stage, float("nan")) for r in results]
        med["stages"][stage] = statistics.median(values)
        med["best_stages"][stage] = min(values)
    return med


def extract_script(page_path, script_path):
    """The script between the script tags of a page written with --no-compact."""
    with open(page_path, encoding="utf-8", errors="replace", newline="") as f:
        text = f.read()
    start = text.find(">", text.find("<script")) + 1
    end = text.find("</script>", start)
    with open(script_path, "w", encoding="utf-8", newline="") as f:
        f.write(text[start:end])
    return end - start


def fault_line_bytes(page_path):
    """What the compacted script spends on naming a fault's source line: the CR LF that ends
    each page line (one source line's statements at most stand on one), and the line table."""
    with open(page_path, "rb") as f:
        text = f.read()
    start = text.find(b">", text.find(b"<script")) + 1
    script = text[start:text.find(b"</script>", start)]
    table_start = script.find(b"window.QLCXLines=")
    table = script[table_start:script.find(b"\r\n", table_start)] if table_start >= 0 else b""
    return script.count(b"\r\n") * 2, len(table)


# The names the page calls from outside the script: the load handler's start function and the
# event hook. Exported, they are what esbuild keeps when it drops unused code inside the IIFE,
# as compaction keeps them; everything else it may rename and drop, as compaction does.
PAGE_ENTRY_POINTS = "\nwindow._qlcxi=_qlcxi;window.QLCX_AddEvent=QLCX_AddEvent;\n"


def run_esbuild(esbuild, script, runs):
    """Median process time and median of esbuild's own "Done in" time, and the output size.

    esbuild minifies the script as one IIFE with the page's entry points exported, so that
    it renames and tree-shakes the whole script as compaction does."""
    source = script + ".entry.js"
    with open(script, encoding="utf-8", newline="") as f, \
            open(source, "w", encoding="utf-8", newline="") as out_file:
        out_file.write(f.read() + PAGE_ENTRY_POINTS)
    out = script + ".min.js"
    times, own = [], []
    for _ in range(runs):
        start = time.perf_counter()
        proc = subprocess.run([esbuild, source, "--minify", "--format=iife", "--outfile=" + out,
                               "--log-level=info"], capture_output=True, text=True)
        times.append((time.perf_counter() - start) * 1000)
        done = re.search(r"Done in ([\d.]+)(m?s)", proc.stderr)
        if done:
            own.append(float(done.group(1)) * (1 if done.group(2) == "ms" else 1000))
    size = os.path.getsize(out) if os.path.exists(out) else 0
    return statistics.median(times), statistics.median(own) if own else float("nan"), size


def ratio(a, b):
    return a / b if b > 0 else float("nan")


def kb(n):
    return "{:,.0f}".format(n / 1024)


def measure_size(args, lines, label):
    source = generate(lines, args.seed, os.path.join(args.out, "prog-" + label + ".pb"))
    page = os.path.join(args.out, "prog-" + label + ".html")
    result = median_runs(args.runs, args.cli, source, page)
    result["line_ends"], result["line_table"] = fault_line_bytes(page)
    plain = os.path.join(args.out, "prog-" + label + ".plain.html")
    run_cli(args.cli, source, plain, ["--no-compact"])
    script = os.path.join(args.out, "script-" + label + ".js")
    extract_script(plain, script)
    result["esbuild_ms"], result["esbuild_own_ms"], result["esbuild_bytes"] = run_esbuild(
        args.esbuild, script, args.runs)
    result["source_bytes"] = os.path.getsize(source)
    result["lines"] = lines
    return result


def lines_for_script_bytes(target, small, large):
    """Program length whose uncompacted script is about `target` bytes (linear fit)."""
    per_line = ratio(large["bytes"][0] - small["bytes"][0], large["lines"] - small["lines"])
    if not per_line > 1:  # the translator does not grow the script: size by the source
        per_line = ratio(large["source_bytes"], large["lines"])
        base = 0
    else:
        base = small["bytes"][0] - per_line * small["lines"]
    return max(1000, int((target - base) / per_line))


def print_tables(rows, linear):
    print("Whole process (median of runs; best: the fastest run): quillcast-cli SOURCE -o PAGE")
    # "B per B": the peak memory per source byte (the goal is 25 or less on the largest).
    print("{:>9} {:>10} {:>9} {:>9} {:>9} {:>8} {:>5}".format(
        "lines", "source KB", "time ms", "best ms", "peak MB", "B per B", "exit"))
    for r in rows:
        print("{:>9,} {:>10} {:>9.1f} {:>9.1f} {:>9.1f} {:>8.1f} {:>5}".format(
            r["lines"], kb(r["source_bytes"]), r["ms"], r["best_ms"], r["peak_kb"] / 1024,
            ratio(r["peak_kb"] * 1024, r["source_bytes"]), r["exit"]))
    print()
    print("Stages (median of runs, ms), from --timings")
    print("{:>9} ".format("lines") + " ".join("{:>10}".format(s) for s in STAGES)
          + " {:>20}".format("script KB in -> out"))
    for r in rows:
        print("{:>9,} ".format(r["lines"])
              + " ".join("{:>10.2f}".format(r["stages"][s]) for s in STAGES)
              + " {:>20}".format(kb(r["bytes"][0]) + " -> " + kb(r["bytes"][1])))
    by_lines = {r["lines"]: r for r in rows}
    if 10000 in by_lines and 100000 in by_lines:
        a, b = by_lines[10000], by_lines[100000]
        print("{:>9} ".format("10k->100k")
              + " ".join("{:>9.1f}x".format(ratio(b["stages"][s], a["stages"][s]))
                         for s in STAGES)
              + "   whole process {:.1f}x".format(ratio(b["ms"], a["ms"])))
        print("{:>9} ".format("best runs")
              + " ".join("{:>9.1f}x".format(ratio(b["best_stages"][s], a["best_stages"][s]))
                         for s in STAGES)
              + "   whole process {:.1f}x".format(ratio(b["best_ms"], a["best_ms"])))
    print()
    print("Compaction beside esbuild --minify --format=iife (page entry points exported), on the")
    print("script that --no-compact writes; both in this run, on the same script")
    print("{:>14} {:>10} {:>11} {:>9} {:>12} {:>11} {:>9} {:>8} {:>8}".format(
        "input", "script KB", "compact ms", "out B", "esbuild ms", "(process)", "out B",
        "speed", "size"))
    for r in rows + linear:
        label = r.get("label") or "{:,} lines".format(r["lines"])
        print("{:>14} {:>10} {:>11.1f} {:>9,} {:>12.1f} {:>11.1f} {:>9,} {:>7.2f}x {:>7.3f}x".format(
            label, kb(r["bytes"][0]), r["stages"]["compact"], r["bytes"][1],
            r["esbuild_own_ms"], r["esbuild_ms"], r["esbuild_bytes"],
            ratio(r["esbuild_own_ms"], r["stages"]["compact"]),
            ratio(r["bytes"][1], r["esbuild_bytes"])))
    print("(compact ms: the compact stage of --timings, line table included; out B: compaction's")
    print(" script as the page holds it, CR LF line ends included; esbuild ms: its own \"Done in\"")
    print(" time; (process): the whole esbuild process; speed = esbuild ms / compact ms, the goal")
    print(" is 2x or more; size = our bytes / esbuild's bytes, the goal is 1x or less)")
    for r in rows:
        spent = r["line_ends"] + r["line_table"]
        print("{:>14}: {:,} of our bytes name a fault's source line ({:,} in CR LF line ends, "
              "{:,} in the line table); without them {:,}, {:.3f}x esbuild's".format(
                  "{:,} lines".format(r["lines"]), spent, r["line_ends"], r["line_table"],
                  r["bytes"][1] - spent, ratio(r["bytes"][1] - spent, r["esbuild_bytes"])))
    if len(linear) == 2:
        small, large = linear
        print()
        print("Linear-time check: {} -> {} script ({:.1f}x input): compaction {:.1f}x "
              "(best runs {:.1f}x), esbuild {:.1f}x".format(
                  small["label"], large["label"], ratio(large["bytes"][0], small["bytes"][0]),
                  ratio(large["stages"]["compact"], small["stages"]["compact"]),
                  ratio(large["best_stages"]["compact"], small["best_stages"]["compact"]),
                  ratio(large["esbuild_own_ms"], small["esbuild_own_ms"])))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--esbuild", required=True)
    parser.add_argument("--sizes", default="1000,10000,100000")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--out", default=os.path.join(HERE, "out"))
    parser.add_argument("--no-linear", action="store_true")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    rows = []
    for lines in (int(s) for s in args.sizes.split(",")):
        rows.append(measure_size(args, lines, str(lines)))
    linear = []
    if not args.no_linear and len(rows) >= 2:
        for target, label in ((1 << 20, "1 MB"), (10 << 20, "10 MB")):
            lines = lines_for_script_bytes(target, rows[0], rows[-1])
            result = measure_size(args, lines, label.replace(" ", ""))
            result["label"] = label
            linear.append(result)
    print_tables(rows, linear)


if __name__ == "__main__":
    main()
