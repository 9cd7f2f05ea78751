#!/usr/bin/env python3
"""The smallest printed text of each page of a PDF, in points.

Reads every page's content streams (FlateDecode, as LibreOffice writes them)
and follows the text size (Tf) through the scalings of the graphics state
(q, Q, cm) and the text matrix (Tm) to the size that reaches the paper.
  printed_sizes.py FILE.pdf [MINIMUM]
prints one line per page and exits 1 when some text is below MINIMUM.
"""
import math
import re
import sys
import zlib

NUMBER = rb'[-+]?(?:\d+\.?\d*|\.\d+)'
TOKENS = re.compile(rb'/[^\s/\[\]()<>]+|' + NUMBER + rb'|[A-Za-z*\'"]+|\[|\]|<[^>]*>|\((?:\\.|[^\\)])*\)')


def scale(m):
    return math.sqrt(abs(m[0] * m[3] - m[1] * m[2]))


def sizes_in(content):
    stack, ctm, tm, size, operands, found = [], 1.0, 1.0, None, [], []
    for token in TOKENS.findall(content):
        if re.fullmatch(NUMBER, token) or token.startswith(b'/'):
            operands.append(token)
            continue
        if token == b'q':
            stack.append(ctm)
        elif token == b'Q' and stack:
            ctm = stack.pop()
        elif token == b'cm' and len(operands) >= 6:
            ctm *= scale([float(x) for x in operands[-6:]])
        elif token == b'BT':
            tm = 1.0
        elif token == b'Tm' and len(operands) >= 6:
            tm = scale([float(x) for x in operands[-6:]])
        elif token == b'Tf' and operands:
            size = float(operands[-1])
        elif token in (b'Tj', b'TJ', b"'", b'"') and size is not None:
            found.append(size * tm * ctm)
        if not token.startswith((b'<', b'(', b'[', b']')):
            operands = []
    return found


def main():
    data = open(sys.argv[1], 'rb').read()
    minimum = float(sys.argv[2]) if len(sys.argv) > 2 else 0
    objects = {int(n): body for n, body in re.findall(rb'(\d+) 0 obj(.*?)endobj', data, re.S)}

    def stream(n):
        body = objects.get(n, b'')
        raw = re.search(rb'stream\r?\n(.*?)\r?\nendstream', body, re.S)
        if not raw:
            return b''
        return zlib.decompress(raw.group(1)) if b'FlateDecode' in body else raw.group(1)

    status = 0
    pages = [body for body in objects.values() if re.search(rb'/Type\s*/Page\b', body)]
    for number, page in enumerate(pages, 1):
        contents = re.search(rb'/Contents\s*(\[[^\]]*\]|\d+ 0 R)', page)
        refs = [int(r) for r in re.findall(rb'(\d+) 0 R', contents.group(1))] if contents else []
        sizes = [s for r in refs for s in sizes_in(stream(r))]
        if not sizes:
            continue
        smallest = min(sizes)
        print(f'page {number}: smallest text {smallest:.2f} pt, largest {max(sizes):.2f} pt')
        if smallest < minimum:
            status = 1
    sys.exit(status)


if __name__ == '__main__':
    main()
