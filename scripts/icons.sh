#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the desktop icon's PNG sizes from its SVG (app/icons/org.velomark.VelomarkLite.svg) into
# app/icons/<size>x<size>/; run it again after changing the SVG and commit what it writes.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v rsvg-convert >/dev/null || scripts/install-deps.sh
svg=app/icons/org.velomark.VelomarkLite.svg
for size in 48 128 256; do
    out="app/icons/${size}x${size}/org.velomark.VelomarkLite.png"
    mkdir -p "$(dirname "$out")"
    rsvg-convert --width "$size" --height "$size" "$svg" --output "$out"
    echo "drew $out"
done
