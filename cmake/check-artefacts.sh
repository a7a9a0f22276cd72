#!/usr/bin/env bash
# Checks that every exe of a 32-bit Windows build tree is PE32 for Intel 80386 and imports
# system DLLs only:  check-artefacts.sh BUILD_DIR
set -euo pipefail
system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|ole32|comctl32|comdlg32|shlwapi|msvcrt|psapi)\.dll$'
status=0
count=0
while IFS= read -r exe; do
    count=$((count + 1))
    if ! file "$exe" | grep -q 'PE32 executable.*Intel 80386'; then
        echo "not a 32-bit x86 Windows program: $exe" >&2
        status=1
    fi
    while IFS= read -r dll; do
        if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$system_dlls"; then
            echo "$exe imports $dll, which is no system DLL" >&2
            status=1
        fi
    done < <(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$1" -name '*.exe' -not -path '*/wineprefix/*' -not -path '*/CMakeFiles/*')
if [ "$count" -eq 0 ]; then
    echo "no exe found in $1" >&2
    exit 1
fi
[ "$status" -eq 0 ] && echo "$count exe checked: PE32, Intel 80386, system DLLs only"
exit "$status"
