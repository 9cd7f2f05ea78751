#!/usr/bin/env bash
# The calculation books of the book sessions (tests/book/*.scn), recomputed
# by LibreOffice Calc with every formula evaluated on load, must show their
# reports' numbers; so must the book of a report without its journal and of
# a report with a line edited outside the program. The rounding probe puts
# the book's rounding formulas to the program's own near-tie numbers.
# One LibreOffice start converts every book, each sheet to CSV.
#   recompute.sh SCENARIO_RUNNER AQUAMERE BOOK_CHECK     (from the source root)
set -euo pipefail
scenario=$1 aquamere=$2 check=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sessions=$work/sessions books=$work/books csv=$work/csv
mkdir -p "$books"

"$scenario" --keep "$sessions" tests/book/*.scn
cp "$sessions/mixed/mixed.xlsx" "$sessions/materials/materials.xlsx" "$books/"
mixed_report="$sessions/mixed/c:\\file.txt"

# No journal: every line is entered as the report shows it.
cp "$sessions/materials/materials.txt" "$books/nojournal.txt"
"$aquamere" --export-book "$books/nojournal.txt" "$books/nojournal.xlsx" >/dev/null
# Segment 3-4 edited outside the program (a blank added): that line alone
# loses its record, and the rows after it carry on from what it shows.
cp "$mixed_report" "$books/edited.txt"
cp "$mixed_report.json" "$books/edited.txt.json"
sed -i 's/^\( 3-4 .*\)\r$/\1 \r/' "$books/edited.txt"
"$aquamere" --export-book "$books/edited.txt" "$books/edited.xlsx" >/dev/null
"$check" probe "$books/probe.xlsx" >/dev/null

# A profile of its own that recalculates Excel files always on load.
mkdir -p "$work/profile/user"
cat >"$work/profile/user/registrymodifications.xcu" <<'XCU'
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
XCU
# CSV in UTF-8 with the values unformatted, in the en-US form, every sheet.
filter='csv:Text - txt - csv (StarCalc):44,34,76,1,,1033,false,true,false,false,false,-1'
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to "$filter" --outdir "$csv" \
  "$books"/*.xlsx >"$work/soffice.log" 2>&1 || { cat "$work/soffice.log"; exit 1; }

status=0
"$check" probe-csv "$csv/probe-probe.csv" || status=1
"$check" book "$mixed_report" "$books/mixed.xlsx" "$csv/mixed-计算书.csv" 0 || status=1
"$check" book "$sessions/materials/materials.txt" "$books/materials.xlsx" "$csv/materials-计算书.csv" 0 || status=1
"$check" book "$books/nojournal.txt" "$books/nojournal.xlsx" "$csv/nojournal-计算书.csv" 11 || status=1
"$check" book "$books/edited.txt" "$books/edited.xlsx" "$csv/edited-计算书.csv" 1 || status=1
exit $status
