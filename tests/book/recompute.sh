#!/usr/bin/env bash
# The calculation books of the book sessions (tests/book/*.scn), played in
# the form model and through the real windows, recomputed by LibreOffice
# Calc with every formula evaluated on load, must show their reports'
# numbers; so must the book of a report without its journal (exported from
# and to a folder with a Chinese name) and of a report with a line edited
# outside the program. The rounding probe puts the book's rounding formulas
# to the program's own near-tie numbers. One LibreOffice start converts
# every book, each sheet to CSV.
#   recompute.sh SCENARIO_RUNNER AQUAMERE BOOK_CHECK     (from the source root)
# AQUAMERE_RUN names a program that runs the three (Wine, for the Windows
# build). On Linux the export from a folder with a Chinese name keeps its
# scratch files in another one; Wine sets the temporary folder itself.
set -euo pipefail
scenario=$1 aquamere=$2 check=$3
# Without LibreOffice there is no independent client: the test says so and
# is counted as skipped, not passed.
if ! command -v soffice >/dev/null; then
  echo "skipped: LibreOffice Calc (soffice) is not installed, so no book is recomputed"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sessions=$work/sessions books=$work/books csv=$work/csv chinese=$work/给水计算
mkdir -p "$books" "$chinese/临时"

run() {
  if [ -n "${AQUAMERE_RUN:-}" ]; then "$AQUAMERE_RUN" "$@"; else "$@"; fi
}

# The default report is "c:\file.txt" in the session's folder, or file.txt
# there where that path is absolute (Windows).
mixed_report() {
  local report="$sessions/$1/mixed/c:\\file.txt"
  [ -f "$report" ] || report="$sessions/$1/mixed/file.txt"
  echo "$report"
}

for mode in model gui; do
  flags=()
  [ $mode = model ] || flags=(--gui)
  run "$scenario" "${flags[@]}" --keep "$sessions/$mode" tests/book/*.scn
  cp "$sessions/$mode/mixed/mixed.xlsx" "$books/mixed-$mode.xlsx"
  cp "$sessions/$mode/materials/materials.xlsx" "$books/materials-$mode.xlsx"
done

# No journal: every line is entered as the report shows it.
cp "$sessions/model/materials/materials.txt" "$chinese/设计.txt"
TMPDIR="$chinese/临时" run "$aquamere" --export-book "$chinese/设计.txt" "$chinese/设计.xlsx" >"$work/exported"
grep -qF "$chinese/设计.xlsx" "$work/exported" || { echo "--export-book said: $(cat "$work/exported")"; exit 1; }
cp "$chinese/设计.txt" "$books/nojournal.txt"
cp "$chinese/设计.xlsx" "$books/nojournal.xlsx"
# The report edited outside the program: a blank added to segment 3-4 and a
# remark typed after the last line change nothing; the size of the first
# 2-3 changed makes that line alone an entered one, and the rows after it carry on from
# what it shows. The worst point's inputs are given on the command line.
cp "$(mixed_report model)" "$books/edited.txt"
cp "$(mixed_report model).json" "$books/edited.txt.json"
sed -i -e 's/^\( 3-4 .*\)\r$/\1 \r/' -e '0,/^ 2-3 /s/^\( 2-3 .*De\)[0-9]*/\199/' "$books/edited.txt"
last=$(grep -an '^ [0-9]' "$books/edited.txt" | tail -n 1 | cut -d: -f1)
sed -i "${last}s/\r\$/  $(printf '\xbc\xfb\xd7\xa2')1\r/" "$books/edited.txt"
run "$aquamere" --export-book "$books/edited.txt" "$books/edited.xlsx" --elevation 18.5 --outlet-pressure 0.15 \
  --meter-loss 2 --supply-pressure 0.3 >/dev/null
# An input of the worst point changed in the workbook itself, its results
# left as they were: only recomputing gives the check's figures.
python3 tests/book/change_input.py "$books/mixed-model.xlsx" "H1 " 31.5 "$books/changed.xlsx"
run "$check" probe "$books/probe.xlsx" >/dev/null

# A profile of its own that recalculates Excel files always on load.
mkdir -p "$work/profile/user"
cat >"$work/profile/user/registrymodifications.xcu" <<'XCU'
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
XCU
# CSV in UTF-8 with the values unformatted, in the en-US form, every sheet;
# the calculation sheet's file named after its book alone.
filter='csv:Text - txt - csv (StarCalc):44,34,76,1,,1033,false,true,false,false,false,-1'
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to "$filter" --outdir "$csv" \
  "$books"/*.xlsx >"$work/soffice.log" 2>&1 || { cat "$work/soffice.log"; exit 1; }
for sheet in "$csv"/*-计算书.csv; do mv "$sheet" "${sheet%-计算书.csv}.csv"; done

status=0
run "$check" probe-csv "$csv/probe-probe.csv" || status=1
for mode in model gui; do
  run "$check" book "$(mixed_report $mode)" "$books/mixed-$mode.xlsx" "$csv/mixed-$mode.csv" 0 || status=1
  run "$check" book "$sessions/$mode/materials/materials.txt" "$books/materials-$mode.xlsx" \
    "$csv/materials-$mode.csv" 0 || status=1
done
run "$check" book "$books/nojournal.txt" "$books/nojournal.xlsx" "$csv/nojournal.csv" 11 || status=1
run "$check" book "$books/edited.txt" "$books/edited.xlsx" "$csv/edited.csv" 1 || status=1
run "$check" book "$(mixed_report model)" "$books/changed.xlsx" "$csv/changed.csv" 0 || status=1
grep -q '^P0 .*,0.3,' "$csv/edited.csv" || { echo "edited.xlsx: P0 is not the 0.3 MPa given"; status=1; }

# Printed on A4, no text of the calculation book is smaller than 7 points.
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work/pdf" \
  "$books/mixed-model.xlsx" >"$work/soffice.log" 2>&1 || { cat "$work/soffice.log"; exit 1; }
python3 tests/book/printed_sizes.py "$work/pdf/mixed-model.pdf" 7 || status=1
exit $status
