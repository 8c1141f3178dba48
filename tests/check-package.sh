#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from a build tree and checks what it holds: the
# file list, the control fields, and the desktop and AppStream files.
set -euo pipefail
build=$1
app_id=$2
version=$3

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$out/clayrange_${version}_amd64.deb
[ -f "$deb" ] || { echo "no package at $deb"; ls "$out"; exit 1; }

listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in \
    ./usr/bin/clayrange \
    "./usr/share/applications/$app_id.desktop" \
    "./usr/share/metainfo/$app_id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
    "./usr/share/icons/hicolor/256x256/apps/$app_id.png"; do
    grep -qxF "$path" <<<"$listing" || { echo "missing from the package: $path"; exit 1; }
done
files=$(grep -cv '/$' <<<"$listing")
[ "$files" -eq 6 ] || { echo "expected 6 files in the package, found $files:"; echo "$listing"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation2 libqt6widgets6; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
for field in Maintainer Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || { echo "empty $field"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "wrong version"; exit 1; }

dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/$app_id.desktop"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$out/root/usr/share/metainfo/$app_id.metainfo.xml"
fi
echo "package $(basename "$deb") holds $files files and validates"
