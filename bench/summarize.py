#!/usr/bin/env python3
"""Prints the benchmark table: one row per measure with its median, the
median of its baseline from the same run, the ratio, the target and whether
the target was met. Reads the JSON files Google Benchmark wrote."""

import json
import sys
from dataclasses import dataclass
from typing import Optional


@dataclass
class Row:
    what: str
    benchmark: str
    baseline: Optional[str]
    counter: Optional[str]  # a counter instead of the time
    unit: str
    max_ratio: Optional[float]
    max_value: Optional[float]  # no target: a figure for reference


ROWS = [
    Row("calculate click, report line included (model)",
        "calculate_click", "calculate_click_baseline", None, "us", 2.5, 30),
    Row("undo of the last segment, beside a calculate click (model)",
        "undo_segment", "undo_segment_baseline", None, "us", 2.0, 60),
    Row("taking up a chain of 32,767 segments, beside reading its journal",
        "resume_chain", "resume_chain_baseline", None, "ms", None, 200),
    Row("batch of 32,767 segments, report included (model)",
        "batch", "batch_baseline", None, "ms", 2.5, 1500),
    Row("revising row 1 of a 40-segment chain (model)",
        "revise_short_chain", None, None, "ms", None, 20),
    Row("revising row 1 of a 32,767-segment chain, beside the batch (model)",
        "revise_long_chain", "batch", None, "ms", 2.5, None),
    Row("opening the segment table on a 32,767-segment chain (model)",
        "open_long_table", None, None, "ms", None, 300),
    Row("Excel book of a 10,000-segment report, export",
        "export_book", "export_book_baseline", None, "ms", None, 2000),
    Row("viewing a 100,000-line report, file to list (model)",
        "view_report", "view_report_baseline", None, "ms", 2.0, 150),
    Row("viewing it in the Qt viewer, until the list is painted",
        "view_report_qt", None, None, "ms", None, 400),
    Row("start-up to the first painted main window (offscreen)",
        "startup", "startup_one_text_box", None, "ms", 1.3, 150),
    Row("the same against an empty window, for reference",
        "startup", "startup_empty_window", None, "ms", None, None),
    Row("peak memory with the main window open",
        "startup", "startup_empty_window", "peak_mb", "MB", 1.5, 60),
]

TO_SECONDS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
UNIT_TEXT = {"us": "µs", "ms": "ms", "MB": "MB"}


def medians(paths):
    """The median aggregate of each benchmark, by the name it was registered
    under (the part of the run name before the first '/')."""
    found = {}
    for path in paths:
        with open(path, encoding="utf-8") as file:
            for run in json.load(file)["benchmarks"]:
                if run.get("aggregate_name") == "median":
                    found[run["run_name"].split("/")[0]] = run
    return found


def figure(run, row):
    if row.counter:
        return run[row.counter]
    return run["real_time"] * TO_SECONDS[run["time_unit"]] / TO_SECONDS[row.unit]


def target_text(row):
    if row.max_value is None:
        return "—"
    parts = []
    if row.max_ratio is not None:
        parts.append(f"≤ {row.max_ratio:g}×")
    parts.append(f"≤ {row.max_value:g} {UNIT_TEXT[row.unit]}")
    return " and ".join(parts)


def window_size(run):
    return f"{run['width']:g} × {run['height']:g}"


def same_window(runs):
    """Whether the start-up baselines painted a window of the main window's
    size; says so when not, since the comparison is then void."""
    app = runs.get("startup")
    same = True
    for name in ("startup_one_text_box", "startup_empty_window"):
        bare = runs.get(name)
        if app is None or bare is None or window_size(app) == window_size(bare):
            continue
        print(f"{name} painted a {window_size(bare)} window, the main window is {window_size(app)}: "
              "the start-up rows do not compare.")
        same = False
    return same


def main(paths):
    runs = medians(paths)
    header = f"{'measure':<56} {'median':>10} {'baseline':>10} {'ratio':>7}  {'target':<20} result"
    print(header)
    print("-" * len(header))
    missed = 0
    for row in ROWS:
        unit = UNIT_TEXT[row.unit]
        run = runs.get(row.benchmark)
        base = runs.get(row.baseline) if row.baseline else None
        if run is None or (row.baseline and base is None):
            print(f"{row.what:<56} {'no result':>10}")
            missed += 1
            continue
        value = figure(run, row)
        passed = row.max_value is None or value <= row.max_value
        base_text, ratio_text = "—", "—"
        if base is not None:
            base_value = figure(base, row)
            ratio = value / base_value
            passed = passed and (row.max_ratio is None or ratio <= row.max_ratio)
            base_text = f"{base_value:.4g} {unit}"
            ratio_text = f"{ratio:.2f}×"
        missed += not passed
        result = "" if row.max_value is None else "PASS" if passed else "MISS"
        print(f"{row.what:<56} {f'{value:.4g} {unit}':>10} {base_text:>10} {ratio_text:>7}  "
              f"{target_text(row):<20} {result}")
    comparable = same_window(runs)
    return 1 if missed or not comparable else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
