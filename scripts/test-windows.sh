#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core, its unit tests and velomark-script for Windows with MinGW-w64 (the windows-cross
# preset) and runs them under Wine: every unit test and every scenario, headless, ending with
# one N passed, M failed line for both.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/windows-cross
third_party=$build/third_party

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt_updated=""
apt_install() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        [ -n "$apt_updated" ] || { $sudo apt-get update -qq; apt_updated=1; }
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}
# wine64 runs 64-bit .exe files; wine gives it its wine command. dpkg-dev's apt-get source
# fetches the sources of the route window's libraries, which Debian builds only for Linux.
apt_install cmake g++-mingw-w64-x86-64-posix wine wine64 googletest dpkg-dev

# pugixml and GeographicLib from Debian's own source packages, built once as static libraries
# by the same compiler into the build folder, where the toolchain file looks for them.
build_third_party() {
    local sources=/etc/apt/sources.list.d/velomark-debian-src.sources
    if ! ls "$third_party"/pugixml-*/CMakeLists.txt "$third_party"/geographiclib-*/CMakeLists.txt \
        >/dev/null 2>&1; then
        if [ ! -f "$sources" ]; then
            sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
                $sudo tee "$sources" >/dev/null
            $sudo apt-get update -qq
        fi
        mkdir -p "$third_party"
        # As root apt would fall back from its download user, which cannot write here, loudly.
        local as_root=()
        [ "$(id -u)" -ne 0 ] || as_root=(-o APT::Sandbox::User=root)
        (cd "$third_party" && apt-get source -qq "${as_root[@]}" pugixml geographiclib >/dev/null)
    fi
    local toolchain=$root/cmake/mingw-w64-x86_64.cmake
    local common=(-DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release
                  -DCMAKE_INSTALL_PREFIX="$third_party/install" -DBUILD_SHARED_LIBS=OFF)
    local name src
    for name in pugixml geographiclib; do
        [ -f "$third_party/built-$name" ] && continue
        src=$(ls -d "$third_party/$name"-*/ | head -n 1)
        cmake -S "$src" -B "$third_party/build-$name" "${common[@]}" >/dev/null
        if [ "$name" = pugixml ]; then
            cmake --build "$third_party/build-$name" -j "$(nproc)" --target install >/dev/null
        else
            # Only the library: its command-line tools and their tests would double the time.
            cmake --build "$third_party/build-$name" -j "$(nproc)" --target GeographicLib_STATIC \
                >/dev/null
            mkdir -p "$third_party/install/lib" "$third_party/install/include/GeographicLib"
            cp "$third_party/build-$name/lib/libGeographicLib.a" "$third_party/install/lib/"
            cp "$src"/include/GeographicLib/*.hpp \
                "$third_party/build-$name/include/GeographicLib/Config.h" \
                "$third_party/install/include/GeographicLib/"
        fi
        touch "$third_party/built-$name"
    done
}
build_third_party

cmake --preset windows-cross >/dev/null
cmake --build --preset windows-cross -j "$(nproc)"

# A Wine of its own for this run, silent, with no display: both programs are console programs.
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
unset DISPLAY WAYLAND_DISPLAY
wineboot -i >/dev/null 2>&1 || true

passed=0
failed=0
# Google Test's own summary gives the unit tests' counts.
unit_log=$build/unit-tests.log
wine "$build/tests/velomark_unit_tests.exe" --gtest_color=no >"$unit_log" 2>&1 || true
unit_passed=$(grep -cE '^\[       OK \]' "$unit_log" || true)
unit_failed=$({ grep -E '^\[  FAILED  \] [A-Za-z_0-9]+\.' "$unit_log" || true; } | sort -u | wc -l)
if ! grep -q '^\[==========\] .* ran\.' "$unit_log"; then
    echo "The unit tests did not finish under Wine: see $unit_log"
    unit_failed=$((unit_failed + 1))
fi
grep -E '^\[  FAILED  \] [A-Za-z_0-9]+\.' "$unit_log" | sort -u || true
echo "unit tests under Wine: $unit_passed passed, $unit_failed failed"
passed=$((passed + unit_passed))
failed=$((failed + unit_failed))

# Every scenario, each from a fresh start, from the source folder as its file names expect.
mapfile -t scenarios < <(find tests/scenarios -name '*.scn' | sort)
scenario_log=$build/scenarios.log
wine "$build/tools/velomark-script.exe" "${scenarios[@]}" >"$scenario_log" 2>&1 || true
tr -d '\r' <"$scenario_log" | grep -vE '^ok |^[0-9]+ passed, [0-9]+ failed$' || true
scenario_passed=$(tr -d '\r' <"$scenario_log" | grep -c '^ok ' || true)
scenario_failed=$((${#scenarios[@]} - scenario_passed))
passed=$((passed + scenario_passed))
failed=$((failed + scenario_failed))

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
