#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every source file of the repository that lacks it:
# "// SPDX-License-Identifier: GPL-3.0-or-later" in C++, "# ..." in CMake, shell and Python
# (after a #! line). With --check it changes nothing, names every file without the line and
# fails when there is one, which the test suite runs. Safe to run again at any time.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly licence="SPDX-License-Identifier: GPL-3.0-or-later"
check=false
case "${1:-}" in
    --check) check=true ;;
    "") ;;
    *)
        echo "usage: scripts/spdx.sh [--check]" >&2
        exit 2
        ;;
esac

# The repository's own files: what git tracks and what is about to be added, or, outside a git
# checkout, everything but the build folders.
list_files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files --cached --others --exclude-standard
    else
        find . -path ./build -prune -o -path ./.git -prune -o -type f -print | sed 's|^\./||'
    fi
}

comment_of() {
    case "$1" in
        *.cpp | *.h | *.cpp.in | *.h.in) echo "//" ;;
        CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py) echo "#" ;;
        # The benchmark scripts and the like: shell scripts without an extension.
        *) if head -n 1 "$1" | grep -qE '^#!.*(bash|sh|python)'; then echo "#"; fi ;;
    esac
}

missing=0
while IFS= read -r file; do
    [ -f "$file" ] || continue
    case "$file" in build/* | tests/fuzz/corpus/* | docs/*) continue ;; esac
    comment=$(comment_of "$file")
    [ -n "$comment" ] || continue
    wanted="$comment $licence"
    # The line belongs first, or second after a #! line.
    if head -n 1 "$file" | grep -q '^#!'; then at=2; else at=1; fi
    [ "$(sed -n "${at}p" "$file")" = "$wanted" ] && continue
    if $check; then
        echo "$file: no \"$wanted\" at line $at" >&2
        missing=$((missing + 1))
        continue
    fi
    if [ "$at" = 2 ]; then
        sed -i "1a $wanted" "$file"
    else
        sed -i "1i $wanted" "$file"
    fi
    echo "licensed $file"
done < <(list_files | sort)

if $check && [ "$missing" -gt 0 ]; then
    echo "$missing files without the licence's SPDX line: run scripts/spdx.sh" >&2
    exit 1
fi
exit 0
