# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# What scripts/fuzz.sh and scripts/widget-fuzz.sh share, sourced with their arguments:
# [SECONDS] [WINDOW...]. Sets seconds and windows, and goes to the repository's top.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# shellcheck disable=SC2034 # read by the scripts that source this one
seconds="${1:-60}"
shift || true
windows=("$@")

# Builds the fuzz preset's target, quietly configuring it first.
build_fuzzers() {
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz --target "$1" -j 2
}

# True when the window is one of those asked for (every window when none was).
wanted() {
    [ ${#windows[@]} -eq 0 ] && return 0
    local asked
    for asked in "${windows[@]}"; do
        [ "$asked" = "$1" ] && return 0
    done
    return 1
}
