#!/usr/bin/env python3
"""The layering check must see every way a file can reach upward or into another
screen: each case below plants one breach in a small tree that passes, and the check
has to fail on it and name the file."""
import pathlib
import subprocess
import sys
import tempfile

checker = pathlib.Path(sys.argv[1])

README = """# Fake

    src/core/     what every layer reads
    src/screens/  screen contract
    src/game/     board and its screens
    src/app/      the shell
"""
TREE = {
    "core/Text.h": "#pragma once\n",
    "screens/Screen.h": "#pragma once\nclass TScreen {\n public:\n  virtual ~TScreen() = default;\n};\n",
    "screens/Overlay.h": '#pragma once\n#include "screens/Screen.h"\nclass TOverlay : public TScreen {};\n',
    "screens/ScreenRegistry.h": '#pragma once\n#include "screens/Screen.h"\nTScreen* FindScreen(int id);\n',
    "game/MapScreen.h": '#pragma once\n#include "screens/Screen.h"\nclass TMapScreen : public TScreen {\n};\n',
    "game/MapScreen.cpp": '#include "game/MapScreen.h"\n#include "core/Text.h"\n',
    "game/HintPage.h": '#pragma once\n#include "screens/Overlay.h"\nclass THintPage final\n    : public TOverlay {};\n',
    "game/HintPage.cpp": '#include "game/HintPage.h"\n#include "screens/ScreenRegistry.h"\n',
    "game/HintPageDraw.cpp": '#include "game/HintPage.h"\nvoid THintPage::Draw() {}\n',
    "app/Startup.cpp": '#include "game/HintPage.h"\n#include "game/MapScreen.h"\n#include <app/Startup.h>\n',
    "app/Startup.h": "#pragma once\n",
}
CASES = {
    "relative include upward": ("core/Text.cpp", '#include "../app/Startup.h"\n'),
    "angled include upward": ("core/Text.cpp", "#include <app/Startup.h>\n"),
    "include of this folder's own upward neighbour": ("screens/Fade.cpp", '#include "./../game/MapScreen.h"\n'),
    "screen includes another screen": ("game/MapScreen.cpp", '#include "game/HintPage.h"\n'),
    "screen casts to another screen": (
        "game/HintPage.cpp",
        "void Open() {\n  auto* map = dynamic_cast<\n      TMapScreen*>(FindScreen(1));\n}\n"),
}


def run(tree):
    return subprocess.run([sys.executable, str(checker), str(tree)], capture_output=True, text=True)


def build(folder):
    folder.mkdir()
    (folder / "README.md").write_text(README)
    for name, text in TREE.items():
        path = folder / "src" / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text)


failures = []
with tempfile.TemporaryDirectory() as temp:
    clean = pathlib.Path(temp) / "clean"
    build(clean)
    result = run(clean)
    if result.returncode != 0:
        failures.append(f"the clean tree fails:\n{result.stdout}")
    for case, (name, line) in CASES.items():
        tree = pathlib.Path(temp) / case.replace(" ", "-").replace("'", "")
        build(tree)
        path = tree / "src" / name
        path.write_text((path.read_text() if path.exists() else "") + line)
        result = run(tree)
        if result.returncode == 0 or f"src/{name}" not in result.stdout:
            failures.append(f"{case}: not caught (exit {result.returncode}):\n{result.stdout}{result.stderr}")
    # A known breach passes while listed, and the list fails once the breach is gone.
    listed = pathlib.Path(temp) / "listed"
    build(listed)
    (listed / "src/game/MapScreen.cpp").write_text('#include "game/MapScreen.h"\n#include "game/HintPage.h"\n')
    allow = listed / "allow.txt"
    allow.write_text("src/game/MapScreen.cpp -> game/HintPage.h\n")
    if subprocess.run([sys.executable, str(checker), str(listed), str(allow)], capture_output=True).returncode != 0:
        failures.append("a listed breach still fails")
    (listed / "src/game/MapScreen.cpp").write_text('#include "game/MapScreen.h"\n')
    if subprocess.run([sys.executable, str(checker), str(listed), str(allow)], capture_output=True).returncode == 0:
        failures.append("a list entry for a breach that is gone passes")

for failure in failures:
    print(failure)
print(f"{len(CASES) + 3 - len(failures)} of {len(CASES) + 3} layering cases hold")
sys.exit(1 if failures else 0)
