# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by wine-run.sh and bench/win32/winbench.sh. Wine's settings for a
# prefix of the build tree's own, never the user's ~/.wine, with nothing
# downloaded (no Mono, no Gecko), and the prefix itself, made on first use.
clayrange_wine_prefix() {
    export WINEPREFIX=$1
    # winemenubuilder would copy the Start menu into the user's own menus.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEARCH=win64

    # The first run makes the prefix, which takes a while; later ones wait for it.
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/.clayrange-ready" ]; then
        xvfb-run -a wineboot -i >/dev/null 2>&1
        # Wine has no Times New Roman; Liberation Serif has its metrics.
        xvfb-run -a wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
            /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.clayrange-ready"
    fi
    flock -u 9
    exec 9>&-
}
