#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every #include "..." of the repository's sources runs down the layers.

usage: scripts/layers.py CALCULATOR_FOLDER...

The shell knows nothing above it; a calculator folder knows only the shell; the front end only
the shell; the composition root the front end, the calculators and the shell; the tools
everything below them; the fuzzer, the benchmarks and the tests the tools and everything below.
A folder may always include its own files. Names every include that breaks this and fails when
there is one.
"""
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE_SUFFIXES = (".cpp", ".h", ".cpp.in", ".h.in")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
# Headers made at configure time, by the layer whose template they come from.
GENERATED = {"velomark": "shell"}


def allowed_layers(calculators):
    below_app = ["shell", "gui", *calculators]
    below_tools = ["app", *below_app]
    below_checks = ["tools", *below_tools]
    allowed = {
        "shell": [],
        "gui": ["shell"],
        "app": below_app,
        "tools": below_tools,
        "fuzz": below_checks,
        "bench": below_checks,
        "tests": below_checks,
    }
    for calculator in calculators:
        allowed[calculator] = ["shell"]
    return allowed


def source_files():
    try:
        listed = subprocess.run(
            ["git", "ls-files", "--cached", "--others", "--exclude-standard"],
            cwd=ROOT, check=True, capture_output=True, text=True).stdout.splitlines()
    except (OSError, subprocess.CalledProcessError):
        listed = [str(p.relative_to(ROOT)) for p in ROOT.rglob("*") if p.is_file()]
    for name in listed:
        if name.startswith(("build/", ".git/")) or not name.endswith(SOURCE_SUFFIXES):
            continue
        if (ROOT / name).is_file():
            yield pathlib.PurePosixPath(name)


def main(calculators):
    allowed = allowed_layers(calculators)
    faults = []
    for path in source_files():
        layer = path.parts[0] if len(path.parts) > 1 else ""
        if layer not in allowed:
            faults.append(f"{path}: the folder {layer or '.'} has no place in the layers")
            continue
        text = (ROOT / path).read_text(encoding="utf-8", errors="replace")
        for number, line in enumerate(text.splitlines(), start=1):
            found = INCLUDE.match(line)
            if not found:
                continue
            included = found.group(1)
            parts = pathlib.PurePosixPath(included).parts
            # A bare name is a neighbour in the same folder (or a header made beside it).
            if len(parts) == 1:
                continue
            target = GENERATED.get(parts[0], parts[0])
            if target != layer and target not in allowed[layer]:
                faults.append(f'{path}:{number}: #include "{included}": '
                              f'{layer} may not include {target}')
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1:]))
