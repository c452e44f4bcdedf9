#!/bin/sh
# Fails when a source includes a folder above its own layer, when a file
# without the _win suffix includes <windows.h>, or when modules of one folder
# include each other in a circle (a module is a source with its header,
# timing/stopwatch.cpp and timing/stopwatch.h; it depends on the modules
# whose headers its files include). The layers, lowest first, are those of
# set(KIVREL_LAYERS ...) in CMakeLists.txt.
set -eu
cd "$(dirname "$0")/.."
LAYERS=$(sed -n 's/^set(KIVREL_LAYERS \([a-z_ ]*\))$/\1/p' CMakeLists.txt)
[ -n "$LAYERS" ] || { echo "CMakeLists.txt has no one-line set(KIVREL_LAYERS ...)"; exit 1; }
status=0
rank() {
    i=0
    for l in $LAYERS; do
        [ "$l" = "$1" ] && { echo $i; return; }
        i=$((i + 1))
    done
    echo 99
}
module() { basename "$1" | sed 's/\.h\.in$//; s/\.[a-z]*$//'; }

EDGES=$(mktemp)
trap 'rm -f "$EDGES"' EXIT
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
        from=$(module "$f")
        sed -n "s|^#include \"$layer/\([a-z0-9_]*\)\.h\".*|\1|p" "$f" | sort -u | while read -r to; do
            [ "$to" = "$from" ] || echo "$layer $from $to"
        done >> "$EDGES"
        case "$f" in
        *_win.cpp | *_win.h) ;;
        *) if grep -q '#include <windows.h>' "$f"; then echo "$f includes <windows.h> without the _win suffix"; status=1; fi ;;
        esac
    done
done

# Depth-first through each folder's modules: an include that leads back to a
# module still being walked closes a circle, printed from that module round.
sort -u "$EDGES" | awk '
    { v = $1 "/" $2; w = $1 "/" $3; out[v] = out[v] " " w; if (!(v in seen)) { seen[v]; order[++n] = v } }
    function walk(v,    k, i, next_, j, line) {
        state[v] = 1; path[++depth] = v
        k = split(out[v], next_, " ")
        for (i = 1; i <= k; i++) {
            if (state[next_[i]] == 1) {
                for (j = depth; path[j] != next_[i]; j--) ;
                line = path[j]
                for (j++; j <= depth; j++) line = line " -> " substr(path[j], index(path[j], "/") + 1)
                print line " -> " substr(next_[i], index(next_[i], "/") + 1) ": modules of one folder in a circle"
                circles++
            } else if (!state[next_[i]]) walk(next_[i])
        }
        depth--; state[v] = 2
    }
    END { for (i = 1; i <= n; i++) if (!state[order[i]]) walk(order[i]); exit circles > 0 }' || status=1

[ $status = 0 ] && echo "layers: every include points down, and no folder's modules include each other in a circle"
exit $status
