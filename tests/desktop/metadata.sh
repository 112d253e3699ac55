#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What software centres and desktop menus read about velomark: the desktop entry and the
# AppStream metadata pass their validators; the metadata launches that entry and the entry names
# the icon that is there in every size; and the newest release in the metadata and in the
# package's changelog is the version CMake builds.
#   metadata.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$1
version=$2
id=org.velomark.VelomarkLite
desktop="$source_dir/app/$id.desktop"
metainfo="$source_dir/app/$id.metainfo.xml"
icons="$source_dir/app/icons"
changelog="$source_dir/packaging/changelog"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "skip: no $tool (scripts/install-deps.sh installs it)"; exit 77; }
done

report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
grep -E 'error:|warning:' <<<"$report" && fail "desktop-file-validate found faults in $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli does not accept $metainfo"

grep -qxF "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"
[ -f "$icons/$id.svg" ] || fail "no scalable icon"
for size in 48 128 256; do
    png="$icons/${size}x${size}/$id.png"
    [ -f "$png" ] || fail "no ${size} px icon"
    # A PNG's width and height are the two big-endian words after its signature and IHDR tag.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ printf "%d %d\n", $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "${width}x${height}" = "${size}x${size}" ] ||
        fail "$png is ${width}x${height}, not ${size}x${size}: run scripts/icons.sh"
done

newest=$(grep -m1 -o '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
[ "$newest" = "$version" ] ||
    fail "the metadata's newest release is $newest, not $version: add a release entry"
changed=$(head -n 1 "$changelog" | sed -n 's/^velomark (\([^)]*\)).*/\1/p')
[ "$changed" = "$version" ] ||
    fail "the changelog's newest entry is ${changed:-missing}, not $version: add an entry"
echo "ok: desktop entry and metadata of $version"
