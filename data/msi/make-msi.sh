#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the MSI package with msitools alone:
#   make-msi.sh OUTPUT WXS SQL EXE ICO VERSION PRODUCT_CODE ARCH
# for ARCH x86 or x64, the program's.
# wixl writes the database with no code page and silently drops every table
# text beyond ASCII, and writes the summary's texts in UTF-8 whatever code
# page it names. So msibuild then sets the code page to 1251, runs the SQL
# file's UPDATEs to put the Bulgarian texts back, and writes the summary's
# subject and author again, in Windows-1251 bytes.
set -euo pipefail
output=$1 wxs=$(readlink -f "$2") sql=$3 exe=$4 ico=$5 version=$6 product_code=$7 arch=$8
case $arch in
x86) folder=ProgramFilesFolder platform=Intel ;;
x64) folder=ProgramFiles64Folder platform=x64 ;;
*) echo "make-msi: unknown architecture $arch" >&2; exit 1 ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl takes sources relative to its working folder, not absolute paths.
cp "$exe" "$work/clayrange.exe"
cp "$ico" "$work/clayrange.ico"
msi=$work/package.msi
(cd "$work" && wixl --arch "$arch" -D Version="$version" -D ProductCode="$product_code" \
    -D ProgramFilesFolder="$folder" -o "$msi" "$wxs")

printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$msi" -i "$work/_ForceCodepage.idt"
queries=()
while IFS= read -r line; do
    case $line in '' | --*) continue ;; esac
    queries+=(-q "$line")
done <"$sql"
msibuild "$msi" "${queries[@]}"

property() { msiinfo export "$msi" Property | sed -n "s/^$1\t\(.*\)\r$/\1/p"; }
revision=$(msiinfo suminfo "$msi" | sed -n 's/^Revision number (UUID): //p')
msibuild "$msi" -s "$(property ProductName | iconv -f UTF-8 -t CP1251)" \
    "$(property Manufacturer | iconv -f UTF-8 -t CP1251)" "$platform;1026" "$revision"

mv "$msi" "$output"
