#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes every calculator window through its real widgets (Qt's offscreen platform), for a
# bounded time each, one window after another:
#   scripts/widget-fuzz.sh [SECONDS] [WINDOW...]   e.g. scripts/widget-fuzz.sh 600 frmRoad
# Each window starts from its saved corpus (tests/fuzz/widget_corpus/<window>/); new inputs go to
# build/fuzz/widget-work/<window>/, findings to build/fuzz/widget-findings/<window>/, libFuzzer's
# output to build/fuzz/widget-logs/<window>.log. A finding does not end the window's time: the
# fuzzer starts again for what is left of it (at most five times). With FUZZ_SAVE=1 a few inputs
# that reach new code are added to the saved corpus, which the test suite replays. Prints the
# time and the runs each window had; fails when any window has a finding.
# shellcheck source=scripts/fuzz_common.sh
source "$(dirname "$0")/fuzz_common.sh" "$@"
build_fuzzers velomark_widget_fuzzers
export LSAN_OPTIONS="suppressions=$PWD/tests/gui/lsan_suppressions.txt:print_suppressions=0"

# Adds to the saved corpus the inputs among the largest new ones that reach code it does not:
# each saved input is replayed by every build's tests, so the corpus stays small.
save_corpus() {
    local fuzzer="$1" corpus="$2" work="$3" fresh
    fresh="$(mktemp -d)"
    mkdir "$fresh/largest"
    # sed reads to the end: head would leave sort writing into a closed pipe.
    find "$work" -type f -printf '%s %p\n' | sort -rn | sed -n 1,30p | cut -d' ' -f2- |
        xargs -r cp -t "$fresh/largest"
    "$fuzzer" -merge=1 -use_counters=0 -use_value_profile=0 "$corpus" "$fresh/largest"
    rm -rf "$fresh"
}

# The runs libFuzzer counted in one log: its last status line's number.
runs_in() {
    local runs
    runs="$(grep -aoE '^#[0-9]+' "$1" | tail -1 | tr -d '#')" || true
    echo "${runs:-0}"
}

found=()
summary=()
for fuzzer in build/fuzz/fuzz/widgets/*_fuzzer; do
    window="$(basename "$fuzzer" _fuzzer)"
    wanted "$window" || continue
    corpus="tests/fuzz/widget_corpus/$window"
    work="build/fuzz/widget-work/$window"
    findings="build/fuzz/widget-findings/$window"
    logs="build/fuzz/widget-logs"
    mkdir -p "$corpus" "$work" "$findings" "$logs"
    log="$logs/$window.log"
    : >"$log"
    echo "== $window: ${seconds}s through the widgets"
    start=$(date +%s)
    runs=0
    crashes=0
    for attempt in 1 2 3 4 5 6; do
        left=$((seconds - ($(date +%s) - start)))
        [ "$left" -gt 5 ] || break
        part="$logs/$window.$attempt.log"
        # One process at a time, and behind everything else: the machine's cores are shared.
        # Each action is timed by the fuzzer itself; libFuzzer's timeout only catches a hang.
        if nice -n 10 "$fuzzer" -max_total_time="$left" -timeout=300 -rss_limit_mb=4096 \
            -len_control=10 -print_final_stats=1 -artifact_prefix="$findings/" \
            "$work" "$corpus" >"$part" 2>&1; then
            status=0
        else
            status=1
        fi
        runs=$((runs + $(runs_in "$part")))
        cat "$part" >>"$log"
        rm -f "$part"
        [ "$status" -eq 1 ] || break
        crashes=$((crashes + 1))
        echo "FINDING in $window (attempt $attempt): see $log and $findings/"
        grep -a -A 30 -E '^(frm[A-Za-z]+:|every window:|==[0-9]+==ERROR|.*runtime error)' "$log" |
            tail -40 || true
    done
    elapsed=$(($(date +%s) - start))
    summary+=("$window: ${elapsed}s, ${runs} runs, ${crashes} findings")
    if [ "${FUZZ_SAVE:-0}" = 1 ]; then
        save_corpus "$fuzzer" "$corpus" "$work" >>"$log" 2>&1
        echo "saved corpus: $(find "$corpus" -type f | wc -l) inputs"
    fi
    [ "$crashes" -eq 0 ] || found+=("$window")
done

printf '%s\n' "${summary[@]}"
if [ ${#found[@]} -gt 0 ]; then
    echo "findings in: ${found[*]}"
    exit 1
fi
echo "no findings"
