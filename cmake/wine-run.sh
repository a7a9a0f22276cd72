#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix:  wine-run.sh PREFIX ARCH PROGRAM [ARGS]
# ARCH is win32 or win64. The prefix is made on first use (once, under a lock), on code page
# 1250 and with the bitmap fonts the dialogs are designed for.
set -euo pipefail
prefix=$1 arch=$2
shift 2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
wine_env "$prefix" "$arch"
wine_prefix_ready
exec "$WINE_LOADER" "$@"
