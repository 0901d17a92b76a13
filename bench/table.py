#!/usr/bin/env python3
"""Prints one table of the benchmark figures in the JSON files given (Google Benchmark's output, one
file per binary, named <binary>.json; startup_xvfb.json is bench_startup run under Xvfb): each
figure, its floor (what the same work costs at the least), their ratio and the goal, either for that
ratio or, given in ms, for the figure itself. A figure that is missing gets a note saying why: the
benchmark's own error, or a line "<binary> <reason>" of the file `notes` in the same folder."""
import json
import os
import sys

# figure, file, benchmark, value field, floor (benchmark, field) or None, goal: a number for value / floor,
# Ms(n) for the value itself, or None
class Ms(float):
    pass


FIGURES = [
    ("start-up to the main menu, offscreen", "bench_startup", "BM_ProgramStartRatio", "tarvos_ms",
     ("BM_ProgramStartRatio", "bare_ms"), 1.2),
    ("start-up to the main menu, Xvfb", "startup_xvfb", "BM_ProgramStartRatio", "tarvos_ms",
     ("BM_ProgramStartRatio", "bare_ms"), 1.2),
    ("main menu shown, in process", "bench_startup", "BM_InProcessMainMenu", "real_time",
     ("BM_InProcessBareWindow", "real_time"), None),
    ("one report scored and written (of 51)", "bench_scoring", "BM_ScoreAndReport51", "report_us",
     ("BM_ScoreAndReport51", "floor_us"), None),
    ("client file of 51 loaded, tmpfs", "bench_clientfile", "BM_LoadClientFile51_Tmpfs", "real_time",
     ("BM_ReadFileFloor_Tmpfs", "real_time"), None),
    ("client file of 51 loaded, disk", "bench_clientfile", "BM_LoadClientFile51_Disk", "real_time",
     ("BM_ReadFileFloor_Disk", "real_time"), None),
    ("one record saved, tmpfs", "bench_clientfile", "BM_SaveClientRecord_Tmpfs", "real_time",
     ("BM_SaveFileFloor_Tmpfs", "real_time"), None),
    ("one record saved, disk", "bench_clientfile", "BM_SaveClientRecord_Disk", "real_time",
     ("BM_SaveFileFloor_Disk", "real_time"), None),
    ("prepared page read (181 locations)", "bench_omr", "ReadPreparedPage", "real_time", None, None),
    ("RGB page prepared (850 x 1400)", "bench_omr", "PrepareRgbPage", "real_time", None, None),
    ("question database opened, items loaded", "bench_QuestionDatabase", "OpenAndLoadItemTable", "real_time",
     None, None),
    ("sheet positions rewritten", "bench_QuestionDatabase", "RewriteSheetPositions", "real_time", None, None),
    ("whole scan from the pnm device", "bench_scan", "WholeScan", "real_time", ("AcquisitionOnly", "real_time"),
     1.2),
    ("one report printed to the queue, over composing", "bench_printing", "PrintReports", "print_ms",
     ("PrintReports", "compose_ms"), Ms(100)),
    ("one report laid out as PDF pages", "bench_printing", "PrintReports", "pages_ms", ("PrintReports", "compose_ms"),
     None),
]

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def load(folder):
    runs = {}
    for name in os.listdir(folder):
        if name.endswith(".json"):
            with open(os.path.join(folder, name)) as f:
                try:
                    data = json.load(f)
                except json.JSONDecodeError:
                    continue
            # "BM_X/iterations:30" and the like are found as "BM_X".
            runs[name[:-5]] = {b["name"].split("/")[0]: b for b in data.get("benchmarks", [])}
    return runs


def figure_ms(bench, field):
    if bench is None or bench.get("error_occurred"):
        return None
    value = bench.get(field)
    if value is None:
        return None
    if field.endswith("_ms"):
        return value
    if field.endswith("_us"):
        return value / 1e3
    return value * TO_MS[bench.get("time_unit", "ns")]


def load_notes(folder):
    notes = {}
    try:
        with open(os.path.join(folder, "notes")) as f:
            for line in f:
                file, _, reason = line.strip().partition(" ")
                notes.setdefault(file, reason)
    except FileNotFoundError:
        pass
    return notes


def why_missing(file, bench, field, notes):
    if file in notes:
        return notes[file]
    if bench is None:
        return f"{file} did not run"
    if bench.get("error_occurred"):
        return f"{file}: {bench.get('error_message', 'failed')}"
    return bench.get(field.replace("_ms", "_skipped"), f"{file} gave no {field}")


def main():
    runs = load(sys.argv[1])
    notes = load_notes(sys.argv[1])
    rows = [("figure", "ms", "floor ms", "ratio", "goal", "")]
    missing = []
    for label, file, name, field, floor, goal in FIGURES:
        benches = runs.get(file, {})
        value = figure_ms(benches.get(name), field)
        base = figure_ms(benches.get(floor[0]), floor[1]) if floor else None
        ratio = value / base if value is not None and base else None
        if value is None:
            missing.append(f"{label}: skipped: {why_missing(file, benches.get(name), field, notes)}")
        if isinstance(goal, Ms):
            goal_text, met = f"< {goal:g} ms", None if value is None else value < goal
        else:
            goal_text, met = "-" if goal is None else f"<= {goal}x", None if ratio is None or goal is None else ratio <= goal
        verdict = "" if met is None else ("ok" if met else "OVER GOAL")
        rows.append((label, "-" if value is None else f"{value:.3f}", "-" if base is None else f"{base:.3f}",
                     "-" if ratio is None else f"{ratio:.2f}x", goal_text, verdict))
    widths = [max(len(r[i]) for r in rows) for i in range(len(rows[0]))]
    for r in rows:
        print("  ".join(c.ljust(w) if i == 0 else c.rjust(w) for i, (c, w) in enumerate(zip(r, widths))).rstrip())
    for line in missing:
        print(line)
    return 1 if any(r[5] == "OVER GOAL" for r in rows) else 0


if __name__ == "__main__":
    sys.exit(main())
