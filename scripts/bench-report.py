#!/usr/bin/env python3
"""Writes docs/performance.md from the JSON results of scripts/bench."""
import datetime
import json
import os
import platform
import sys

# benchmark program, benchmark name -> (what it measures, aim in ms or None)
AIMS = {
    ("bench_view", "BM_KeyToPaintedField"): ("Einheitspapier: Taste bis neu gezeichnetes Feld", 1),
    ("bench_dv1_view", "BM_KeyToPaintedField"): ("D.V.1: Taste bis neu gezeichnetes Feld", 1),
    ("bench_view", "BM_FullPageRepaint"): ("Einheitspapier: ganze Seite 1 beim größten Zoom neu gezeichnet, jedes Feld gefüllt", 5),
    ("bench_view", "BM_FullPageRepaintAt100Percent"): ("Einheitspapier: dieselbe Seite bei 100 %", 5),
    ("bench_dv1_view", "BM_FullPageRepaint/1"): ("D.V.1: ganze Seite 1 beim größten Zoom neu gezeichnet, jedes Feld gefüllt", 5),
    ("bench_dv1_view", "BM_FullPageRepaint/2"): ("D.V.1: ganze gerade Folgeseite neu gezeichnet", 5),
    ("bench_dv1_view", "BM_FullPageRepaint/3"): ("D.V.1: ganze ungerade Folgeseite neu gezeichnet", 5),
    ("bench_view", "BM_PageChangeEveryFieldFilled"): ("Einheitspapier: Seitenwechsel", 16),
    ("bench_dv1_view", "BM_PageChange"): ("D.V.1: Seitenwechsel", 16),
    ("bench_aef", "BM_AefRead"): (".aef mit 99 Seiten lesen", 3),
    ("bench_aef", "BM_AefWrite"): (".aef mit 99 Seiten schreiben", 3),
    ("bench_dbase", "BM_LoadGoods"): ("Warentabelle mit 100.000 Sätzen laden", 100),
    ("bench_dbase", "BM_BuildSortIndexOnDescription"): ("Warentabelle mit 100.000 Sätzen sortieren", 100),
    ("bench_goods_dialog", "BM_OpenGoodsDialog"): ("Warendialog auf 100.000 Sätzen öffnen", 1000),
    ("bench_goods_dialog", "BM_SearchKeystroke/1"): ("Warendialog: Filtern je Tastendruck", 50),
    ("bench_goods_dialog", "BM_SearchKeystroke/0"): ("Warendialog: Filtern je Tastendruck (Löschen)", 50),
    ("bench_startup", "BM_ColdStartToEditableWindow"): ("Kaltstart bis zum bearbeitbaren Fenster", 250),
}

UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1000.0}


def medians(folder):
    for file in sorted(os.listdir(folder)):
        if not file.endswith(".json"):
            continue
        program = file[: -len(".json")]
        with open(os.path.join(folder, file), encoding="utf-8") as f:
            data = json.load(f)
        for b in data.get("benchmarks", []):
            if b.get("aggregate_name") != "median":
                continue
            # A benchmark timed by the wall clock alone carries it in its name.
            name = b["run_name"].removesuffix("/real_time")
            unit = UNIT_TO_MS[b.get("time_unit", "ns")]
            extra = {k: v for k, v in b.items() if k.endswith("_ms") and isinstance(v, (int, float))}
            yield program, name, b["real_time"] * unit, b["cpu_time"] * unit, extra


def cpu_model():
    try:
        with open("/proc/cpuinfo", encoding="utf-8") as f:
            for line in f:
                if line.startswith("model name"):
                    return line.split(":", 1)[1].strip()
    except OSError:
        pass
    return platform.processor() or "unbekannt"


def main():
    folder, target, load_before, load_after, runs = sys.argv[1:6]
    rows = list(medians(folder))
    lines = [
        "# Leistung",
        "",
        "Geschrieben von `scripts/bench` am "
        + datetime.datetime.now().strftime("%Y-%m-%d %H:%M")
        + f" auf {os.cpu_count()} Kernen ({cpu_model()}).",
        f"Last des Rechners (1/5/15 min) vorher {load_before}, nachher {load_after}.",
        f"Jeder Wert ist der Median von {runs} Läufen: die Wanduhrzeit, gegen die das Ziel"
        " steht, und die Prozessorzeit des messenden Threads. Auf einem ausgelasteten Rechner"
        " wartet die Wanduhrzeit auf den Prozessor; wo Qt Bildpunkte in eigenen Threads"
        " kopiert, liegt sie über der Prozessorzeit des Threads. Wo eine Messung die eigene"
        " Prozessorzeit des Programms mitschreibt, steht sie in Klammern.",
        "",
        "## Die Ziele",
        "",
        "| Messung | Median | Prozessorzeit | Ziel | |",
        "|---|---:|---:|---:|---|",
    ]
    found = {}
    for program, name, ms, cpu, extra in rows:
        found[(program, name)] = (ms, cpu, extra)
    for key, (what, aim) in AIMS.items():
        if key not in found:
            lines.append(f"| {what} (`{key[0]} {key[1]}`) | fehlt | | < {aim} ms | |")
            continue
        ms, cpu, extra = found[key]
        mark = "erreicht" if ms < aim else "**verfehlt**"
        note = "".join(f" ({k[:-3]}: {v:.1f} ms)" for k, v in extra.items())
        # A measurement of another process: the measuring thread only waits.
        cpu_cell = "–" if extra else f"{cpu:.3f} ms"
        lines.append(f"| {what} (`{key[0]} {key[1]}`) | {ms:.3f} ms{note} | {cpu_cell} | < {aim} ms | {mark} |")
    lines += ["", "## Alle Messungen", "", "| Programm | Messung | Median | Prozessorzeit |", "|---|---|---:|---:|"]
    for program, name, ms, cpu, extra in rows:
        note = "".join(f" ({k[:-3]}: {v:.1f} ms)" for k, v in extra.items())
        lines.append(f"| {program} | `{name}` | {ms:.3f} ms{note} | {cpu:.3f} ms |")
    lines.append("")
    with open(target, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
