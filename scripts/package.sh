#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build/package/velomark_<version>_<arch>.deb: a Release build of the
# program with Debian's hardening flags in a build folder of its own, packed by CPack; then
# lintian checks it (errors fail the script) and the program unpacked from it is started on
# Xvfb to its main menu. Install it with: sudo apt install ./build/package/velomark_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=build/package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
# Only the program and what the package holds beside it; the tools, tests and fuzzers stay out.
cmake --build "$build" -j "$(nproc)" --target velomark
rm -f "$build"/velomark_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$build"

package=$(ls "$build"/velomark_*.deb)
tests/desktop/package_check.sh "$(dpkg-deb --field "$package" Version)" "$package"
echo "built $package"
