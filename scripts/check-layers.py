#!/usr/bin/env python3
"""Fails when a file under src/ includes a folder above its own.

The order of the layers is read from the README's layout table, bottom first, so
the table stays the one place that says it."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
layers = []
for line in (root / "README.md").read_text().splitlines():
    m = re.match(r"^ {4}src/([a-z]+)/\s", line)
    if m and m.group(1) not in layers:
        layers.append(m.group(1))
if len(layers) < 2:
    sys.exit("check-layers: no layer table found in README.md")
rank = {name: i for i, name in enumerate(layers)}

include = re.compile(r'^\s*#\s*include\s*"([a-z]+)/')
problems = []
for path in sorted((root / "src").rglob("*")):
    if path.suffix not in (".h", ".cpp"):
        continue
    rel = path.relative_to(root / "src")
    if len(rel.parts) < 2:
        continue  # main.cpp sits above every layer
    own = rel.parts[0]
    if own not in rank:
        problems.append(f"src/{rel}: folder '{own}' is not in the README's layer table")
        continue
    for number, text in enumerate(path.read_text(errors="replace").splitlines(), 1):
        m = include.match(text)
        if m and m.group(1) in rank and rank[m.group(1)] > rank[own]:
            problems.append(f"src/{rel}:{number}: {own}/ includes {m.group(1)}/, a higher layer")

for p in problems:
    print(p)
print(f"layers, bottom first: {' < '.join(layers)}; {len(problems)} upward include(s)")
sys.exit(1 if problems else 0)
