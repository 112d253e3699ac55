#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a person installs it: it holds the program, its desktop entry, metadata,
# icons, manual page, copyright and changelog; its dependencies were worked out from the
# program; lintian finds no error in it; and the program unpacked from it starts on an X display
# to its main menu and ends on Exit. Exits 77 (skipped) where no package can be made: without
# dpkg-deb or dpkg-shlibdeps.
#   package_check.sh VERSION PACKAGE.deb           check a package made already
#   package_check.sh VERSION CPackConfig.cmake     make one from that build first (CPACK names
#                                                  cpack when it is not on the PATH)
set -euo pipefail
version=$1
source=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "skip: no $tool, so no package"; exit 77; }
done
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
architecture=$(dpkg --print-architecture)
name="velomark_${version}_${architecture}.deb"
case $source in
*.deb)
    package=$source
    ;;
*CPackConfig.cmake)
    # gzip packs a test's package in a fraction of xz's time.
    "${CPACK:-cpack}" --config "$source" -B "$work/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
        >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log" >&2; fail "cpack made no package"; }
    package="$work/out/$name"
    ;;
*)
    fail "$source is neither a package nor a CPack configuration"
    ;;
esac
[ -f "$package" ] || fail "no package called $name"

dpkg-deb --contents "$package" | awk '{ print $NF }' | sed 's|^\./|/|' >"$work/contents"
for path in /usr/bin/velomark \
    /usr/share/applications/org.velomark.VelomarkLite.desktop \
    /usr/share/metainfo/org.velomark.VelomarkLite.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.velomark.VelomarkLite.svg \
    /usr/share/icons/hicolor/48x48/apps/org.velomark.VelomarkLite.png \
    /usr/share/icons/hicolor/128x128/apps/org.velomark.VelomarkLite.png \
    /usr/share/icons/hicolor/256x256/apps/org.velomark.VelomarkLite.png \
    /usr/share/man/man1/velomark.1.gz \
    /usr/share/doc/velomark/copyright \
    /usr/share/doc/velomark/changelog.gz; do
    grep -qxF "$path" "$work/contents" || fail "the package holds no $path"
done
grep -v '/$' "$work/contents" | grep -v '^/usr/' && fail "the package puts files outside /usr"

[ "$(dpkg-deb --field "$package" Package)" = velomark ] || fail "the package is not called velomark"
[ "$(dpkg-deb --field "$package" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb --field "$package" Depends)
# The route schedule reads GPX with pugixml and measures with GeographicLib.
for library in libqt6widgets6 libqt6printsupport6 libstdc++6 libpugixml1v5 libgeographiclib23; do
    [[ $depends == *"$library "* ]] || fail "the package does not depend on $library: Depends: $depends"
done
grep -q '^License: GPL-3.0-or-later' <(dpkg-deb --fsys-tarfile "$package" |
    tar -xO ./usr/share/doc/velomark/copyright) || fail "the copyright file names no GPL-3.0-or-later"

# Errors fail; warnings and notes are shown for whoever packages a release.
if command -v lintian >/dev/null; then
    lintian --display-info "$package" || fail "lintian found errors in the package"
else
    echo "no lintian (scripts/install-deps.sh installs it): the package's policy is unchecked"
fi

root="$work/root"
dpkg-deb --extract "$package" "$root"
[ -x "$root/usr/bin/velomark" ] || fail "the unpacked program cannot be run"
"$root/usr/bin/velomark" --version | head -n 1 | grep -q "^Velomark (Lite) ${version//./\\.} " ||
    fail "the unpacked program does not say it is version $version"
# A virtual display that does not come up (the server slow to start on a busy machine) is the
# machine's fault, not the package's: one more try on a fresh display before failing.
start_on_display() { xvfb-run -a "$here/../gui/program_under_xvfb.sh" "$root/usr/bin/velomark"; }
start_on_display || start_on_display ||
    fail "the unpacked program did not start to its main menu and end on Exit"
echo "ok: $name starts"
