#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures of the README and the user guide under Xvfb, into docs/screenshots/: the
# main menu and the road window as a person reaches them in the program, and every other
# calculator window with the guide's worked example (tests/scenarios/guide/, which also check
# its figures), through the real widgets. Run it again after changing a window's layout.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${VELOMARK_IN_XVFB:-}" ]; then
    scripts/install-deps.sh
    cmake --preset default >/dev/null
    cmake --build --preset default -j "$(nproc)" --target velomark velomark-script
    VELOMARK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

out=docs/screenshots
mkdir -p "$out"
# The program's settings (saved bikes) go to a folder of their own, never the person's.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
wait_window() {
    for _ in $(seq 250); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.02
    done
    echo "no window called $1" >&2
    return 1
}
snap() {
    sleep 0.5
    xwd -silent -id "$1" | xwdtopnm 2>/dev/null | pnmtopng >"$out/$2"
    echo "saved $out/$2"
}

build/default/app/velomark &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT

menu=$(wait_window '^Velomark Main Menu$')
snap "$menu" main-menu.png

xdotool windowfocus --sync "$menu"
xdotool key --window "$menu" alt+r
road=$(wait_window '^Road Stats$')
xdotool windowfocus --sync "$road"
# 40 at 32 from 10:30:00 and Castle Combe with a race of 80 km.
for entry in 40 Tab 32 Tab 10 Tab 30 Tab 0 Tab Tab "Castle Combe" Tab Tab 80 Tab; do
    case "$entry" in
        Tab) xdotool key --window "$road" Tab ;;
        *) xdotool type --window "$road" --delay 20 "$entry" ;;
    esac
done
snap "$road" road.png

xdotool windowfocus --sync "$menu"
xdotool key --window "$menu" alt+x
wait "$pid"
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

QT_QPA_PLATFORM=xcb build/default/tools/velomark-script --gui --pictures "$out" \
    tests/scenarios/guide/*.scn
for picture in $(sed -n 's/^picture [a-zA-Z]* //p' tests/scenarios/guide/*.scn); do
    echo "saved $out/$picture"
done
