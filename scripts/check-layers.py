#!/usr/bin/env python3
"""Fails when a file under src/ includes a folder above its own, or when one screen
reaches another by including its header or by casting to its type.

    check-layers.py [ROOT [ALLOWLIST]]

The order of the layers is read from the README's layout table, bottom first, so
the table stays the one place that says it. Every include form counts: "folder/x.h",
a relative "../folder/x.h" or "./x.h" (resolved against the including file's
folder) and <folder/x.h> when it names a folder of src/.

Screens are the types deriving from TScreen or TOverlay, found in the headers. The
framework's own screens (those beside TScreen, such as the loading screen) are what
the game's screens are built on and may be included like any lower layer. Outside
app/, which creates and registers every screen, a file may include a screen's header
or cast to its type only when it is that screen's own source (its header, or a file
defining its members); screens find each other through the registry instead.

ALLOWLIST (scripts/layering-allow.txt unless given) names known breaches, one
"from -> to" a line; an entry that no longer matches anything fails too, so the list
only ever shrinks."""
import os
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent).resolve()
allow_path = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else root / "scripts" / "layering-allow.txt"
src = root / "src"

layers = []
for line in (root / "README.md").read_text().splitlines():
    m = re.match(r"^ {4}src/([a-z]+)/\s", line)
    if m and m.group(1) not in layers:
        layers.append(m.group(1))
if len(layers) < 2:
    sys.exit("check-layers: no layer table found in README.md")
rank = {name: i for i, name in enumerate(layers)}

files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp") and p.is_file())
texts = {p: p.read_text(errors="replace") for p in files}


def rel(path):
    return path.relative_to(root).as_posix()


def strip_comments(text):
    # Blank out comments but keep every newline, so offsets still give line numbers.
    def blank(m):
        return re.sub(r"[^\n]", " ", m.group(0))
    return re.sub(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"', lambda m: m.group(0) if m.group(0).startswith('"') else blank(m),
                  text, flags=re.S)


code = {p: strip_comments(t) for p, t in texts.items()}

# --- screens: every type deriving, directly or not, from TScreen or TOverlay ---------
declaration = re.compile(r"\b(?:class|struct)\s+(\w+)\s*(?:final\s*)?:\s*([^{;]*)\{")
bases = {}          # type -> its base names
declared_in = {}    # type -> header
for path in files:
    if path.suffix != ".h":
        continue
    for m in declaration.finditer(code[path]):
        names = []
        for base in re.sub(r"<[^<>]*>", "", m.group(2)).split(","):
            words = [w for w in base.split() if w not in ("public", "protected", "private", "virtual")]
            if words:
                names.append(words[-1].split("::")[-1])
        bases[m.group(1)] = names
        declared_in.setdefault(m.group(1), path)

contracts = {"TScreen", "TOverlay"}
framework = next((p.parent for p in files if p.suffix == ".h"
                  and re.search(r"\b(?:class|struct)\s+TScreen\b[^;]*\{", code[p])), None)
derived = set()
grew = True
while grew:
    grew = False
    for name, parents in bases.items():
        if name not in derived and name not in contracts and any(b in contracts or b in derived for b in parents):
            derived.add(name)
            grew = True
screens = {name for name in derived if declared_in[name].parent != framework}
screen_headers = {}
for name in screens:
    screen_headers.setdefault(declared_in[name], set()).add(name)


def own_screens(path):
    """The screens whose source this file is: declared in it or in the header it is
    named after, or members defined in it."""
    owned = set(screen_headers.get(path, ())) | screen_headers.get(path.with_suffix(".h"), set())
    for name in screens:
        if re.search(rf"^[^\s#/].*\b{name}::~?\w+\s*\(", code[path], flags=re.M):
            owned.add(name)
    return owned


# --- includes ------------------------------------------------------------------------
include = re.compile(r'^[ \t]*#[ \t]*include[ \t]*([<"])([^>"]+)[>"]', re.M)


def resolve(path, bracket, name):
    """The file under root an include names, or None for a header from outside."""
    if bracket == '"':
        beside = pathlib.Path(os.path.normpath(path.parent / name))
        if name.startswith(("./", "../")) or beside.exists():
            return beside
    first = name.split("/")[0]
    if "/" in name and (first in rank or (src / first).is_dir()):
        return pathlib.Path(os.path.normpath(src / name))
    return None


def line_of(text, offset):
    return text.count("\n", 0, offset) + 1


problems = []   # (allowlist key or None, message)
for path in files:
    parts = path.relative_to(src).parts
    if len(parts) < 2:
        continue  # main.cpp sits above every layer
    own = parts[0]
    if own not in rank:
        problems.append((None, f"{rel(path)}: folder '{own}' is not in the README's layer table"))
        continue
    wires_screens = own == "app"
    owned = None if wires_screens else own_screens(path)
    for m in include.finditer(code[path]):
        target = resolve(path, m.group(1), m.group(2).strip())
        if target is None:
            continue
        where = f"{rel(path)}:{line_of(code[path], m.start())}"
        written = m.group(1) + m.group(2).strip() + (">" if m.group(1) == "<" else '"')
        try:
            inside = target.relative_to(src).parts
        except ValueError:
            problems.append((None, f"{where}: {written} reaches outside src/"))
            continue
        folder = inside[0] if len(inside) > 1 else None
        if folder not in rank:
            problems.append((None, f"{where}: {written} names a folder that is not in the README's layer table"))
            continue
        if rank[folder] > rank[own]:
            problems.append((None, f"{where}: {own}/ includes {folder}/ ({written}), a higher layer"))
        if not wires_screens and target in screen_headers and not (screen_headers[target] & owned):
            key = f"{rel(path)} -> {target.relative_to(src).as_posix()}"
            problems.append((key, f"{where}: includes the header of another screen ({written}); "
                                  "screens reach each other through the registry"))

    # --- casts to a screen's type ----------------------------------------------------
    if wires_screens:
        continue
    cast = re.compile(r"\b(?:std::)?(?:static|dynamic|reinterpret|const)_(?:pointer_)?cast\s*<\s*(?:const\s+)?(\w+)")
    for m in cast.finditer(code[path]):
        name = m.group(1)
        if name in screens and name not in owned:
            key = f"{rel(path)} -> {name}"
            problems.append((key, f"{rel(path)}:{line_of(code[path], m.start())}: casts to the screen type {name}; "
                                  "screens reach each other through the registry"))

# --- the temporary list of known breaches ---------------------------------------------
allowed = set()
if allow_path.exists():
    for line in allow_path.read_text().splitlines():
        line = line.split("#", 1)[0].strip()
        if line:
            allowed.add(re.sub(r"\s*->\s*", " -> ", line))
used = {key for key, _ in problems if key in allowed}
failures = [text for key, text in problems if key not in allowed]
for key in sorted(allowed - used):
    failures.append(f"{allow_path.name}: '{key}' no longer happens; remove it from the list")

for text in failures:
    print(text)
print(f"layers, bottom first: {' < '.join(layers)}; {len(screens)} screens; "
      f"{len(failures)} problem(s), {len(used)} known and allowed in {allow_path.name}")
sys.exit(1 if failures else 0)
