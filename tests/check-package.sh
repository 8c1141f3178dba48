#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from debian/ with dpkg-buildpackage and checks it:
# the file list, the dependencies, hardening, lintian, and the desktop and
# AppStream files. It takes a minute or two, so CI runs it once, apart from
# CTest. The build happens in a copy of the source tree in a temporary
# folder, since dpkg-buildpackage writes into the tree and into its parent.
# Given a folder, such as the dist/ of scripts/release, it checks the packages
# and .changes file there instead of building them again.
set -euo pipefail
built=${1:+$(readlink -f "$1")}
cd "$(dirname "$0")/.."
scripts/deps

fail() { echo "check-package: $*" >&2; exit 1; }

app_id=$(sed -n 's/^set(CLAYRANGE_APP_ID "\(.*\)")$/\1/p' CMakeLists.txt)
# The build's configure step holds debian/changelog to the project's version.
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
packages=${built:-$work}
if [ -z "$built" ]; then
    # What git would ship: tracked and new files, none that .gitignore names.
    mkdir "$work/clayrange"
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
        tar --null -T - -cf - | tar -C "$work/clayrange" -xf -

    start=$SECONDS
    (cd "$work/clayrange" && dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1 ||
        { tail -n 40 "$work/build.log"; fail "dpkg-buildpackage failed"; }
    echo "dpkg-buildpackage took $((SECONDS - start)) s"
fi

deb=$packages/clayrange_${version}_${arch}.deb
dbgsym=$packages/clayrange-dbgsym_${version}_${arch}.deb
changes=$packages/clayrange_${version}_${arch}.changes
[ -f "$deb" ] || { ls "$packages"; fail "no package at $deb"; }
[ -f "$dbgsym" ] || { ls "$packages"; fail "no debug symbols package at $dbgsym"; }
[ -f "$changes" ] || { ls "$packages"; fail "no .changes file at $changes"; }

expected=$(sort <<EOF_FILES
./usr/bin/clayrange
./usr/share/applications/$app_id.desktop
./usr/share/doc/clayrange/changelog.Debian.gz
./usr/share/doc/clayrange/copyright
./usr/share/icons/hicolor/256x256/apps/$app_id.png
./usr/share/icons/hicolor/32x32/apps/$app_id.png
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/lintian/overrides/clayrange
./usr/share/man/man1/clayrange.1.gz
./usr/share/metainfo/$app_id.metainfo.xml
EOF_FILES
)
actual=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)
diff -u <(echo "$expected") <(echo "$actual") || fail "the package's files differ as above"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation2 libqt6widgets6 libc6; do
    grep -qw "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg-deb -x "$deb" "$work/root"
# BIND_NOW comes only from hardening=+all; Debian's defaults stop at relro,
# and lintian reports a missing one only as an info.
dynamic=$(readelf -d "$work/root/usr/bin/clayrange")
grep -q BIND_NOW <<<"$dynamic" || fail "the binary is not linked with -z now"
grep -q '/usr/lib/debug/.build-id/.*\.debug$' <<<"$(dpkg-deb -c "$dbgsym")" ||
    fail "the debug symbols package holds no .debug file"

# An unstripped binary or missing relro is a lintian error or warning, and
# either makes it exit non-zero; infos and pedantic tags are shown, with
# their explanations, but pass.
lintian --display-info --pedantic --info --fail-on error,warning "$changes" ||
    fail "lintian reports the problems above"

desktop-file-validate "$work/root/usr/share/applications/$app_id.desktop" ||
    fail "the desktop file does not validate"
appstreamcli validate --pedantic --no-net "$work/root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the AppStream file does not validate"

echo "package $(basename "$deb") holds $(wc -l <<<"$actual") files and validates"
