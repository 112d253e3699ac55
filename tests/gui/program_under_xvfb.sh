#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on an X display (run it under xvfb-run): it starts on the splash, reaches the main
# menu after two seconds, opens each window named on the command line from its main-menu button
# (access key), and Exit ends the process. Prints the time from start to the splash being shown
# and the program's peak memory with those windows open.
#   program_under_xvfb.sh PROGRAM WINDOW...   (WINDOW: frmRoad, frmGearChart, ...)
set -euo pipefail
program=$1
shift

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }
# Waits up to $1 seconds for a visible window matching "$2" (search options and a pattern) and
# prints its id; looks every 20 ms, so the times measured are that close.
wait_window() {
    local deadline found
    deadline=$(awk -v now="$(now)" -v s="$1" 'BEGIN { printf "%.2f", now + s }')
    shift
    while awk -v now="$(now)" -v d="$deadline" 'BEGIN { exit !(now < d) }'; do
        found=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.02
    done
    return 1
}
visible_windows() {
    xdotool search --onlyvisible --class '^velomark$' 2>/dev/null | wc -l
}

report=$(mktemp)
# The program keeps its settings in a folder of the test's own, never the person's.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$report" "$XDG_CONFIG_HOME"' EXIT
started=$(now)
/usr/bin/time -v -o "$report" "$program" &
pid=$!

splash=$(wait_window 10 --class '^velomark$') ||
    fail "no window appeared within 10 seconds"
shown=$(now)
splash_title=$(xdotool getwindowname "$splash")
[ "$splash_title" = velomark ] || [ -z "$splash_title" ] || fail "the first window is \"$splash_title\", not the untitled splash"
xdotool search --onlyvisible --name '^Velomark Main Menu$' >/dev/null 2>&1 &&
    fail "the main menu is there before the splash has gone"

menu=$(wait_window 6 --name '^Velomark Main Menu$') || fail "the main menu did not come"
arrived=$(now)
waited=$(seconds "$shown" "$arrived")
# The two seconds run from the splash's loading, a little before a search can find it on screen,
# and a busy machine (the sanitizer build under load) widens that gap.
awk -v w="$waited" 'BEGIN { exit !(w >= 1.5 && w <= 4) }' ||
    fail "the splash gave way after $waited s, not after two seconds"
[ "$(visible_windows)" -eq 1 ] || fail "the splash is still shown beside the main menu"

# Every main-menu access key opens its window at once.
declare -A key=([frmGearChart]=g [frmTimeTrials]=t [frmTrack]=k [frmRoad]=r [frmLicencePoints]=l
                [frmGearTable]=b [frmPower]=p [frmRoute]=s)
declare -A title=([frmGearChart]='^Gear Chart \(etc\.\)$' [frmTimeTrials]='^Time Trials$'
                  [frmTrack]='^Track Stats$' [frmRoad]='^Road Stats$'
                  [frmLicencePoints]='^Licence Points$' [frmGearTable]='^Gear Table$'
                  [frmPower]='^Power and Pace$'
                  [frmRoute]='^Route Schedule$')
for window in "$@"; do
    letter=${key[$window]}
    opened=
    xdotool windowfocus --sync "$menu"
    xdotool key --window "$menu" "alt+$letter"
    wait_window 5 --name "${title[$window]}" >/dev/null && opened=yes
    [ -n "$opened" ] || fail "$window did not open from its button"
done
[ "$(visible_windows)" -eq $(($# + 1)) ] || fail "not every window is open beside the main menu"
sleep 0.5

xdotool windowfocus --sync "$menu"
xdotool key --window "$menu" alt+x
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "Exit did not end the program"; }
wait "$pid" || fail "the program ended with status $?"

echo "start to splash: $(seconds "$started" "$shown") s; splash to main menu: $waited s"
echo "peak memory with the main menu and $# window(s) open: $(awk -F': ' '/Maximum resident/ { print $2 }' "$report") kB"
