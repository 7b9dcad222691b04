#!/usr/bin/env python3
"""Reads clang-tidy's output on stdin; prints one line a finding, stable
across edits that move code: path|function or snippet|check."""
import re, sys
root = sys.argv[1].rstrip('/') + '/'
pat = re.compile(r'^(/[^:]+):(\d+):(\d+): warning: (.*) \[([\w.,-]+)\]$')
seen = set()
ansi = re.compile(r'\x1b\[[0-9;]*m')
for line in sys.stdin:
    m = pat.match(ansi.sub('', line).strip())
    if not m: continue
    path, _, _, text, check = m.groups()
    if not path.startswith(root + 'src/'): continue
    name = re.search(r"function '([^']+)'", text)
    what = name.group(1) if name else re.sub(r'\d+', 'N', text)
    seen.add(f"{path[len(root):]}|{what}|{check}")
for s in sorted(seen): print(s)
