#!/usr/bin/env bash
# Takes the README's screenshots: runs the program under Xvfb, shows the main menu and the road
# window with a worked example, and saves each window's image in docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${VELOMARK_IN_XVFB:-}" ]; then
    scripts/install-deps.sh
    cmake --preset default >/dev/null
    cmake --build --preset default -j "$(nproc)" --target velomark
    VELOMARK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

out=docs/screenshots
mkdir -p "$out"
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
trap 'kill "$pid" 2>/dev/null || true' EXIT

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
trap - EXIT
