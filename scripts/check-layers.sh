#!/bin/sh
# Fails when a source includes a folder above its own layer, or when a file
# without the _win suffix includes <windows.h>. The layers, lowest first:
LAYERS="core rng data engine tools timing app"
set -eu
cd "$(dirname "$0")/.."
status=0
rank() {
    i=0
    for l in $LAYERS; do
        [ "$l" = "$1" ] && { echo $i; return; }
        i=$((i + 1))
    done
    echo 99
}
for layer in $LAYERS; do
    mine=$(rank "$layer")
    for f in "$layer"/*; do
        case "$f" in *.h | *.cpp | *.h.in) ;; *) continue ;; esac
        for used in $(sed -n 's|^#include "\([a-z_]*\)/.*|\1|p' "$f" | sort -u); do
            theirs=$(rank "$used")
            if [ "$theirs" -gt "$mine" ]; then
                echo "$f includes $used/, which is not below $layer/"
                status=1
            fi
        done
        case "$f" in
        *_win.cpp | *_win.h) ;;
        *) if grep -q '#include <windows.h>' "$f"; then echo "$f includes <windows.h> without the _win suffix"; status=1; fi ;;
        esac
    done
done
[ $status = 0 ] && echo "layers: every include points down"
exit $status
