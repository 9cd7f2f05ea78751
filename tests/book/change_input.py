#!/usr/bin/env python3
"""Changes an input of a calculation book as a reviewer would in a spreadsheet.

  change_input.py BOOK LABEL VALUE OUT
Writes OUT: BOOK with the number beside the first-sheet row whose label
begins with LABEL (column F) set to VALUE. The formulas' stored results stay
as they were, so only a spreadsheet that recomputes shows the new figures.
"""
import re
import sys
import zipfile

book, label, value, out = sys.argv[1:5]
with zipfile.ZipFile(book) as source:
    parts = {name: source.read(name) for name in source.namelist()}
strings = re.findall(rb'<si>.*?</si>', parts['xl/sharedStrings.xml'], re.S)
index = next(i for i, s in enumerate(strings) if re.search(rb'<t[^>]*>' + re.escape(label.encode()), s))
sheet = parts['xl/worksheets/sheet1.xml']
row = re.search(rb'<c r="A(\d+)"[^>]*t="s"[^>]*><v>' + str(index).encode() + rb'</v>', sheet).group(1)
cell = rb'(<c r="F' + row + rb'"[^>]*>)<v>[^<]*</v>'
sheet, found = re.subn(cell, rb'\g<1><v>' + value.encode() + rb'</v>', sheet)
if found != 1:
    sys.exit(f'{book}: no input beside "{label}"')
parts['xl/worksheets/sheet1.xml'] = sheet
with zipfile.ZipFile(out, 'w', zipfile.ZIP_DEFLATED) as target:
    for name, data in parts.items():
        target.writestr(name, data)
