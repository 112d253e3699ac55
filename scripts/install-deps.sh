#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine, only where something is missing.
set -euo pipefail

packages=(build-essential cmake googletest libgtest-dev qt6-base-dev qt6-base-dev-tools
          libgl-dev xvfb xauth xdotool poppler-utils fonts-liberation)
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
