# Shell functions for running Wine the way the tests and the program expect. Sourced.

# wine_env PREFIX ARCH: the environment of a private, quiet prefix on code page 1250.
wine_env() {
    export WINEPREFIX=$1 WINEARCH=$2
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
    # Only LC_ALL sets Wine's code pages: 1250 (ANSI) and 852 (OEM) for the Polish texts.
    { export LC_ALL=pl_PL.UTF-8; } 2>/dev/null
    if [ "$WINEARCH" = win64 ]; then
        WINE_LOADER=/usr/lib/wine/wine64
    else
        WINE_LOADER=/usr/lib/wine/wine
    fi
    export WINE_LOADER
    WINESERVER=/usr/lib/wine/wineserver
    export WINESERVER
}

# wine_prefix_ready: makes the prefix if it is not there yet.
wine_prefix_ready() {
    [ -f "$WINEPREFIX/.orvedan-ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.orvedan-ready" ]; then
            "$WINE_LOADER" wineboot -i >/dev/null 2>&1 || true
            "$WINESERVER" -w
            [ -d "$WINEPREFIX/drive_c/windows" ] || { echo "wineboot failed for $WINEPREFIX" >&2; exit 1; }
            # A new prefix does not see the fonts of fonts-wine; without them the dialog is
            # drawn in a substitute font with other metrics.
            cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
            # Without a window manager, Wine would wait two seconds for one at every
            # destruction of a top-level window; unmanaged, it also draws the frames itself.
            "$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            "$WINESERVER" -w
            touch "$WINEPREFIX/.orvedan-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
}

# wine_stop: ends the prefix's wineserver and every program in it.
wine_stop() {
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && "$WINESERVER" -k 2>/dev/null || true
}

# can_run_32bit: whether this kernel executes 32-bit x86 programs, which 32-bit Wine needs.
can_run_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}
