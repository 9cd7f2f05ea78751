#!/usr/bin/env python3
"""Reads the catalogue of seeded faults for scripts/mutate.

  mutants.py check CATALOGUE [ID...]   checks every record; prints the ids
                                       asked for (all when none), one a line
  mutants.py show CATALOGUE ID FIELD   prints one field (file, what)
  mutants.py apply CATALOGUE ID        writes the fault into its file

The record format is described at the top of the catalogue.
"""
import sys

FIELDS = ("id", "file", "what", "from", "to")


def read(path):
    records, record = [], {}
    for number, line in enumerate(open(path, encoding="utf-8").read().split("\n"), 1):
        if line.startswith("#"):
            continue
        if not line.strip():
            if record:
                records.append(record)
            record = {}
            continue
        key, sep, value = line.partition(":")
        if key not in FIELDS or not sep:
            sys.exit(f"{path}:{number}: expected one of {', '.join(FIELDS)}, then a colon")
        value = value[1:] if value.startswith(" ") else value
        if key in ("from", "to") and key in record:
            record[key] += "\n" + value
        elif key in record:
            sys.exit(f"{path}:{number}: {key} given twice")
        else:
            record[key] = value
        record.setdefault("line", number)
    if record:
        records.append(record)
    return records


def check(records):
    seen = set()
    for r in records:
        where = f"fault at line {r['line']}"
        for key in ("id", "file", "what", "from"):
            if not r.get(key, "").strip():
                sys.exit(f"{where}: no {key}")
        if r["id"] in seen:
            sys.exit(f"{where}: id {r['id']} given twice")
        seen.add(r["id"])
        try:
            count = open(r["file"], encoding="utf-8", newline="").read().count(r["from"])
        except OSError as error:
            sys.exit(f"{r['id']}: {error}")
        if count != 1:
            sys.exit(f"{r['id']}: the original text occurs {count} times in {r['file']}, not once")


def find(records, wanted):
    by_id = {r["id"]: r for r in records}
    for w in wanted:
        if w not in by_id:
            sys.exit(f"no fault {w} in the catalogue")
    return [by_id[w] for w in wanted] if wanted else records


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    command, records = argv[1], read(argv[2])
    if command == "check":
        check(records)
        for r in find(records, argv[3:]):
            print(r["id"])
    elif command == "show" and len(argv) == 5:
        print(find(records, [argv[3]])[0][argv[4]])
    elif command == "apply" and len(argv) == 4:
        r = find(records, [argv[3]])[0]
        text = open(r["file"], encoding="utf-8", newline="").read()
        if text.count(r["from"]) != 1:
            sys.exit(f"{r['id']}: the original text does not occur exactly once in {r['file']}")
        with open(r["file"], "w", encoding="utf-8", newline="") as f:
            f.write(text.replace(r["from"], r.get("to", "")))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
