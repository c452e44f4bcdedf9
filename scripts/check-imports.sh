#!/bin/sh
# Fails unless every given exe imports only system DLLs.
set -eu
status=0
for exe in "$@"; do
    dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort -u)
    echo "$(basename "$exe"): $(echo $dlls)"
    for dll in $dlls; do
        case "$dll" in
        KERNEL32.DLL | USER32.DLL | GDI32.DLL | WINMM.DLL | MSVCRT.DLL) ;;
        *) echo "  not a system DLL: $dll"; status=1 ;;
        esac
    done
done
exit $status
