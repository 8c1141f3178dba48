#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Looks at the exe that ships, without running it, with mingw-w64's binutils:
#   check-exe.sh OBJDUMP WINDRES EXE ICO ALLOWED VERSION
# a 32-bit x86 GUI program that imports only what ALLOWED lists (DLL!function,
# the calls that Windows 7 has), with the version block VERSION (as 1.00),
# the icon ICO and a manifest that asks for per-monitor dpi awareness (v2).
set -uo pipefail
objdump=$1 windres=$2 exe=$3 ico=$4 allowed=$5 version=$6
failed=0
ok() { echo "ok   $*"; }
bad() { echo "FAIL $*"; failed=1; }
# WHAT is ACTUAL, which should be EXPECTED.
same() {
    if [ "$2" = "$3" ]; then ok "$1: $2"; else bad "$1: '$2', not '$3'"; fi
}

headers=$("$objdump" -p "$exe") || { echo "FAIL $objdump -p $exe could not read it"; exit 1; }
resources=$("$windres" -J coff -O rc -i "$exe") || { echo "FAIL $windres could not read $exe"; exit 1; }

# The machine and the subsystem.
format=$(sed -n 's/.*file format \(.*\)$/\1/p' <<<"$headers")
same "file format" "$format" pei-i386
subsystem=$(awk '$1 == "Subsystem" { $1 = $2 = ""; sub(/^ +/, ""); print }' <<<"$headers")
same subsystem "$subsystem" "(Windows GUI)"

# Every import, as dll!function in lower-case DLL names; one without a name
# shows as <none>, which no list allows. Binutils 2.40 (Debian 12) lists
# "vma hint name", later ones (Debian 13) "vma ordinal hint name".
imports=$(awk '/^\tDLL Name:/ { dll = tolower($3); next }
               dll && /^\tvma:/ { name = /Ordinal/ ? 4 : 3; next }
               dll && /^\t[0-9a-f]+[ \t]/ { print dll "!" $name }
               /^$/ { dll = "" }' <<<"$headers" | sort -u)
others=$(grep -v '^#' "$allowed" | grep . | sort -u | comm -23 <(echo "$imports") -)
if [ -z "$imports" ]; then
    bad "imports: none found in $objdump's output"
elif [ -n "$others" ]; then
    bad "imports that $allowed does not allow:"
    sed 's/^/       /' <<<"$others"
else
    ok "imports: $(grep -c . <<<"$imports") functions from $(cut -d'!' -f1 <<<"$imports" | sort -u |
        paste -sd' '), all in the allow-list"
fi

# The version block: fixed 1.0.0.0 for 1.00, and the strings exactly 1.00.
if [[ "$version" =~ ^([0-9]+)\.([0-9][0-9])$ ]]; then
    fixed="${BASH_REMATCH[1]}, $((10#${BASH_REMATCH[2]})), 0, 0"
else
    bad "version: $version is not major.two-digit minor, as 1.00"
    fixed=none
fi
for field in FILEVERSION PRODUCTVERSION; do
    value=$(sed -n "s/^ *$field //p" <<<"$resources")
    same "$field" "$value" "$fixed"
done
for field in FileVersion ProductVersion; do
    value=$(sed -n "s/^ *VALUE \"$field\", \(L\)\{0,1\}\"\(.*\)\"$/\2/p" <<<"$resources")
    same "$field" "$value" "$version"
done

# The icon: group 1, with as many images as the .ico file.
images=$(od -An -tu2 -j4 -N2 "$ico" | tr -d ' ')
group=$(sed -n 's/^ *0, 1, \([0-9]*\),.*Has .* elements.*/\1/p' \
    <<<"$(sed -n '/^1 14 \/\* RT_GROUP_ICON \*\//,/^END/p' <<<"$resources")")
same "images in icon 1, as in $(basename "$ico")" "$group" "$images"

# The manifest, resource 1, its text put together from windres's pieces.
manifest=$(sed -n '/^1 24 \/\* RT_MANIFEST \*\//,/^END/{s/^  "\(.*\)"$/\1/p}' <<<"$resources" |
    tr -d '\n' | sed 's/\\n/\n/g; s/""/"/g')
if [ -z "$manifest" ]; then
    bad "manifest: none"
elif grep -q '<dpiAwareness[^>]*>[^<]*PerMonitorV2' <<<"$manifest"; then
    ok "manifest: $(grep -o '<dpiAwareness[^>]*>[^<]*' <<<"$manifest" | sed 's/.*>//')"
else
    bad "manifest: no dpiAwareness PerMonitorV2"
    grep dpiAware <<<"$manifest" | sed 's/^/       /'
fi
exit "$failed"
