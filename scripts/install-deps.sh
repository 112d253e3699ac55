#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and testing need on a Debian machine, only where something is missing.
set -euo pipefail

# Qt 6 Widgets with uic and the offscreen and X11 platforms; Xvfb, xdotool and time for the
# program's test on a display; poppler-utils for the print test; xwd and netpbm for the README's
# screenshots; Liberation Sans stands in for Arial; Google Benchmark and hyperfine for the
# benchmarks in bench/; appstream and desktop-file-utils check the desktop metadata; dpkg-dev
# and file let CPack work out the Debian package's dependencies, lintian checks the package;
# librsvg2-bin draws the icon's PNG sizes from its SVG; pugixml and GeographicLib read and
# measure GPX routes.
packages=(build-essential cmake googletest libgtest-dev qt6-base-dev qt6-base-dev-tools
          qt6-qpa-plugins libgl-dev xvfb xauth xdotool time poppler-utils x11-apps netpbm
          fonts-liberation libbenchmark-dev hyperfine appstream desktop-file-utils dpkg-dev file
          lintian librsvg2-bin libpugixml-dev libgeographiclib-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
