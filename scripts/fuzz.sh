#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes every window for a bounded time, one window after another:
#   scripts/fuzz.sh [SECONDS] [WINDOW...]      e.g. scripts/fuzz.sh 60, scripts/fuzz.sh 600 frmRoad
# Each window starts from its saved corpus (tests/fuzz/corpus/<window>/); new inputs go to
# build/fuzz/work/<window>/, findings to build/fuzz/findings/<window>/, libFuzzer's output to
# build/fuzz/logs/<window>.log. With FUZZ_SAVE=1 the inputs that reach new code are merged into
# the saved corpus. Fails when any window has a finding.
# shellcheck source=scripts/fuzz_common.sh
source "$(dirname "$0")/fuzz_common.sh" "$@"
build_fuzzers velomark_fuzzers

# Rewrites the saved corpus as few inputs as reach every edge the saved and the new inputs
# reach: the largest first, as they cover most in few files, then the others only for what they
# add. Inputs with names of their own (written by hand) are always kept.
save_corpus() {
    local fuzzer="$1" corpus="$2" work="$3" fresh
    fresh="$(mktemp -d)"
    mkdir "$fresh/largest" "$fresh/kept"
    # sed reads to the end: head would leave sort writing into a closed pipe, which pipefail
    # turns into a silent exit before anything is saved.
    find "$corpus" "$work" -type f -printf '%s %p\n' | sort -rn | sed -n 1,40p | cut -d' ' -f2- |
        xargs -r cp -t "$fresh/largest"
    local merge=("$fuzzer" -merge=1 -use_counters=0 -use_value_profile=0 "$fresh/kept")
    "${merge[@]}" "$fresh/largest"
    "${merge[@]}" "$corpus" "$work"
    find "$corpus" -type f -regextype egrep -regex '.*/[0-9a-f]{40}' -delete
    cp -n "$fresh/kept"/* "$corpus"/
    rm -rf "$fresh"
}

found=()
for fuzzer in build/fuzz/fuzz/*_fuzzer; do
    window="$(basename "$fuzzer" _fuzzer)"
    wanted "$window" || continue
    corpus="tests/fuzz/corpus/$window"
    work="build/fuzz/work/$window"
    findings="build/fuzz/findings/$window"
    log="build/fuzz/logs/$window.log"
    mkdir -p "$corpus" "$work" "$findings" "$(dirname "$log")"
    echo "== $window: ${seconds}s"
    # A target that reads a file format has a dictionary of its words beside it.
    dict=()
    [ -f "fuzz/$window.dict" ] && dict=(-dict="fuzz/$window.dict")
    # One process at a time: the machine's cores are shared.
    if "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -len_control=10 -print_final_stats=1 \
        "${dict[@]}" -artifact_prefix="$findings/" "$work" "$corpus" >"$log" 2>&1; then
        grep -E "^#[0-9]+[[:space:]]+DONE" "$log" | tail -1 || true
        grep -E 'stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
        if [ "${FUZZ_SAVE:-0}" = 1 ]; then
            save_corpus "$fuzzer" "$corpus" "$work" >>"$log" 2>&1
            echo "saved corpus: $(find "$corpus" -type f | wc -l) inputs"
        fi
    else
        echo "FINDING in $window: see $log and $findings/"
        grep -A 40 -E '^(frm[A-Za-z]+:|==[0-9]+==ERROR|.*runtime error)' "$log" | head -60 || true
        found+=("$window")
    fi
done

if [ ${#found[@]} -gt 0 ]; then
    echo "findings in: ${found[*]}"
    exit 1
fi
echo "no findings"
