#!/usr/bin/env bash
# Builds Orvedan.exe where needed and starts it under Wine: in $WINEPREFIX when set (where a
# Bremolta installed under Wine reads its settings), else in a prefix of the project's own
# below build/. With no display it runs on a virtual one, saves a screenshot of the window
# to build/orvedan-screenshot.png and ends. Installs the Debian packages it needs as root.
set -euo pipefail
cd "$(dirname "$0")"
source cmake/prepare.sh

arch=$ORVEDAN_WINE_ARCH
cmake --preset "$arch" >/dev/null
cmake --build --preset "$arch" --target Orvedan >/dev/null
program="$PWD/build/$arch/ui/Orvedan.exe"

if [ -n "${WINEPREFIX:-}" ]; then
    user_prefix=$WINEPREFIX
    wine_env "$user_prefix" "$arch"
    unset WINEARCH  # an existing prefix keeps its own architecture
else
    wine_env "$PWD/build/$arch/run-prefix" "$arch"
    wine_prefix_ready
fi

if [ -n "${DISPLAY:-}" ]; then
    exec "$WINE_LOADER" "$program"
fi

trap 'wine_stop; stop_display' EXIT
start_display
"$WINE_LOADER" "$program" &
if ! timeout 60 xdotool search --sync --onlyvisible --name '^Bremolta - konfiguracja$' >/dev/null; then
    echo "the window did not appear" >&2
    exit 1
fi
sleep 1  # let the first paint finish before the picture is taken
shot="$PWD/build/orvedan-screenshot.png"
xwd -root -silent -display "$DISPLAY" | convert xwd:- -crop 580x180+150+250 +repage "$shot"
echo "No display: the window ran on a virtual one; its screenshot is $shot"
