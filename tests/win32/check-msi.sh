#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the MSI package silently in the build tree's Wine prefix, as a
# school's deployment would, and looks at what it left:
#   check-msi.sh install PACKAGE EXE ICO DESKTOP VERSION
#   check-msi.sh upgrade OLD_PACKAGE REBUILT_OLD_PACKAGE NEW_PACKAGE DESKTOP OLD_VERSION NEW_VERSION
# Run from the build tree, whose prefix it uses. Without Wine,
#   check-msi.sh texts PACKAGE DESKTOP
# checks the package's Bulgarian texts and their code page with msiinfo.
# CLAYRANGE_MSI_ARCH is the package's architecture: x86 (by default) or x64.
set -euo pipefail
# Wine makes no file with a Cyrillic name, such as the shortcut, unless the
# locale's character set is UTF-8.
export LC_ALL=C.UTF-8
here=$(dirname "$(readlink -f "$0")")
mode=$1
shift

fail() { echo "check-msi: $*" >&2; exit 1; }
# Wine's own chatter is left out; wine-run.sh's word on why Wine did not run is
# not. CLAYRANGE_WINE_LOADER is the loader the tree's toolchain file found.
wine() {
    local status=0
    "$here/wine-run.sh" "$CLAYRANGE_WINE_LOADER" "$@" 2>"$work/wine-stderr" || status=$?
    grep '^wine-run' -A20 "$work/wine-stderr" >&2 || true
    return "$status"
}
windows_path() { local path; path=$(readlink -f "$1"); echo "Z:${path//\//\\}"; }

prefix=${CLAYRANGE_WINEPREFIX:-$PWD/wineprefix}
work=$(mktemp -d -p "$PWD")
case ${CLAYRANGE_MSI_ARCH:-x86} in
x86) program_files='Program Files (x86)' platform=Intel ;;
x64) program_files='Program Files' platform=x64 ;;
esac
installed="$prefix/drive_c/$program_files/clayrange/clayrange.exe"

# The uninstall entries whose name is NAME, in the 32- and 64-bit views (Wine
# shows one entry in both), one line each:
# key|name|version|publisher|NoRepair|NoModify|SystemComponent. Wine's reg
# prints Cyrillic as question marks, so the entries come through reg export.
entries() {
    local view
    for view in 'Software\Wow6432Node' 'Software'; do
        wine reg export "HKLM\\$view\\Microsoft\\Windows\\CurrentVersion\\Uninstall" \
            "$(windows_path "$work")\\uninstall.reg" /y >/dev/null || continue
        iconv -f UTF-16 -t UTF-8 "$work/uninstall.reg" | tr -d '\r' | awk -F'"=' -v name="$1" '
            function flush() { if (v["DisplayName"] == name)
                print entry "|" v["DisplayName"] "|" v["DisplayVersion"] "|" v["Publisher"] "|" v["NoRepair"] "|" v["NoModify"] "|" v["SystemComponent"] }
            /^\[/ { flush(); delete v; entry = $0; sub(/.*\\/, "", entry); sub(/\]$/, "", entry) }
            /^"/ { key = substr($1, 2); value = $2; gsub(/^"|"$/, "", value); v[key] = value }
            END { flush() }'
    done | sort -u
}

# The icon that the installed programs' list shows beside the product NAME.
product_icon() {
    wine reg export 'HKLM\Software\Classes\Installer\Products' \
        "$(windows_path "$work")\\products.reg" /y >/dev/null || return 0
    iconv -f UTF-16 -t UTF-8 "$work/products.reg" | tr -d '\r' | awk -F'"=' -v name="$1" '
        /^\[/ { if (found) exit; icon = "" }
        $1 == "\"ProductIcon" { icon = $2 }
        $1 == "\"ProductName" && $2 == "\"" name "\"" { found = 1 }
        END { if (found) { gsub(/^"|"$/, "", icon); gsub(/\\\\/, "\\", icon); print icon } }'
}

# Wine's msi puts even a per-machine shortcut in the user's Start menu, where
# Windows would use ProgramData's, so both count.
shortcuts() { find "$prefix/drive_c" -path "*/Start Menu/Programs/$1.lnk"; }

msiexec() {
    local action=$1 package=$2
    wine msiexec "$action" "$(windows_path "$package")" /qn
}

# A failed run's leftovers would make the next one see double, so each run
# removes its packages first and last.
packages=()
remove_packages() {
    local package
    for package in "${packages[@]}"; do msiexec /x "$package" || true; done
}
trap 'remove_packages; rm -rf "$work"' EXIT

name_of() { sed -n 's/^Name\[bg\]=//p' "$1"; }

case $mode in
texts)
    package=$1 name=$(name_of "$2") comment=$(sed -n 's/^Comment\[bg\]=//p' "$2")
    msiinfo export "$package" _ForceCodepage | tr -d '\r\0' | grep -qx $'1251\t_ForceCodepage' ||
        fail "the database's code page is not 1251"
    # table, the row's first field, the field's number, the text it holds
    # (* for any text but none).
    while IFS=';' read -r table row field expected; do
        actual=$(msiinfo export "$package" "$table" | tr -d '\r' |
            awk -F'\t' -v row="$row" -v field="$field" 'NR > 3 && $1 == row { print $field }')
        echo "$table $row: $actual"
        case $expected in
        '*') [ -n "$actual" ] ;;
        *) [ "$actual" = "$expected" ] ;;
        esac || fail "$table $row holds '$actual', not '$expected'"
    done <<EOF_TEXTS
Property;ProductName;2;$name
Property;Manufacturer;2;*
Shortcut;StartMenu;3;CLAYRA~1|$name
Shortcut;StartMenu;7;$comment
LaunchCondition;NOT WIX_DOWNGRADE_DETECTED;2;*
EOF_TEXTS
    summary=$(msiinfo suminfo "$package" | iconv -f CP1251 -t UTF-8)
    echo "$summary"
    grep -qxF "Subject: $name" <<<"$summary" || fail "the summary's subject is not $name in Windows-1251"
    grep -qx "Template: $platform;1026" <<<"$summary" ||
        fail "the summary names not $platform and the Bulgarian language"
    # Anywhere in the file, a Bulgarian text in UTF-8 would be read as 1251.
    ! grep -qaF "$name" "$package" || fail "the package holds $name in UTF-8"
    ;;
install)
    package=$1 exe=$2 ico=$3 name=$(name_of "$4") version=$5
    packages=("$package")
    remove_packages
    [ -z "$(entries "$name")" ] || fail "the prefix holds an entry before the install"

    msiexec /i "$package" || fail "msiexec /i failed with status $?"
    cmp "$exe" "$installed" || fail "the installed program differs from $exe"
    echo "installed: $installed"
    link=$(shortcuts "$name")
    [ "$(grep -c . <<<"$link")" = 1 ] || fail "no one shortcut named $name: '$link'"
    echo "shortcut: $link"
    link_texts=$(strings -a "$link"; strings -a -el "$link")
    for target in "C:\\$program_files\\clayrange\\clayrange.exe" 'clayrange.ico'; do
        grep -qF "$target" <<<"$link_texts" || fail "the shortcut does not name $target"
    done
    entry=$(entries "$name")
    echo "entry: $entry"
    IFS='|' read -r _ _ shown_version publisher no_repair no_modify system_component <<<"$entry"
    # Found by its name, so it has one; a system component's entry is hidden
    # from Apps and Programs and Features.
    [ "$(grep -c . <<<"$entry")" = 1 ] || fail "not one uninstall entry: $entry"
    case $system_component in
    '' | dword:00000000) ;;
    *) fail "the entry is hidden as a system component: $system_component" ;;
    esac
    [ "$shown_version" = "$version" ] || fail "the entry shows version $shown_version"
    [ -n "$publisher" ] || fail "the entry names no publisher"
    [ "$no_repair|$no_modify" = "dword:00000001|dword:00000001" ] ||
        fail "the entry offers Repair or Modify: $no_repair|$no_modify"
    icon=$(product_icon "$name")
    echo "icon: $icon"
    [ -n "$icon" ] || fail "the product has no icon"
    icon=${icon#C:\\}
    cmp "$ico" "$prefix/drive_c/${icon//\\//}" || fail "the product's icon is not $ico"
    answer=$(wine "$installed" --version)
    echo "--version: $answer"
    [ "$answer" = "clayrange $version" ] || fail "the installed program answers '$answer'"

    msiexec /x "$package" || fail "msiexec /x failed with status $?"
    [ ! -e "$(dirname "$installed")" ] || fail "the program's folder is left: $(ls "$(dirname "$installed")")"
    [ -z "$(shortcuts "$name")" ] || fail "the shortcut is left"
    [ -z "$(entries "$name")" ] || fail "the uninstall entry is left"
    [ -z "$(product_icon "$name")" ] || fail "the product's registration is left"
    echo "uninstalled: no program, shortcut or entry left"
    ;;
upgrade)
    old=$1 rebuilt=$2 new=$3 name=$(name_of "$4") old_version=$5 version=$6
    packages=("$new" "$rebuilt" "$old")
    remove_packages
    # A package built again from the same version is the same product.
    msiexec /i "$old" || fail "msiexec /i $old failed with status $?"
    msiexec /i "$rebuilt" || fail "msiexec /i $rebuilt failed with status $?"
    entry=$(entries "$name")
    echo "entries after the same version again: $entry"
    [ "$(grep -c . <<<"$entry")" = 1 ] || fail "not one uninstall entry: $entry"
    [ "$(cut -d'|' -f3 <<<"$entry")" = "$old_version" ] || fail "the entry left is not $old_version's"

    msiexec /i "$new" || fail "msiexec /i $new failed with status $?"
    entry=$(entries "$name")
    echo "entries after the later version: $entry"
    [ "$(grep -c . <<<"$entry")" = 1 ] || fail "not one uninstall entry: $entry"
    [ "$(cut -d'|' -f3 <<<"$entry")" = "$version" ] || fail "the entry left is not $version's"
    [ -f "$installed" ] || fail "the upgrade removed the program"
    [ "$(shortcuts "$name" | grep -c .)" = 1 ] || fail "not one shortcut after the upgrade"
    ! msiexec /i "$old" || fail "the older package installed over the newer one"
    [ "$(entries "$name" | cut -d'|' -f3)" = "$version" ] || fail "the refused downgrade changed the entry"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
