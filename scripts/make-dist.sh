#!/bin/sh
# Packs the Windows release: OUT_DIR/Kivrel-VERSION-win64.zip (the version
# from the build tree's version.env) with both programs, the species table, an
# example config.txt, the player's guide (UTF-8 with a byte-order mark, CR LF)
# and a picture of the window; prints the archive's path.
# Usage: make-dist.sh [WINDOWS_BUILD_DIR [OUT_DIR]]   (default build/windows, dist)
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build/windows}
OUT=${2:-$ROOT/dist}
. "$BUILD/version.env"
NAME=$KIVREL_NAME-$KIVREL_VERSION
STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT
mkdir -p "$STAGE/$NAME" "$OUT"
OUT=$(cd "$OUT" && pwd)

cp "$BUILD/Kivrel.exe" "$BUILD/Kivrel-fixed.exe" "$ROOT/data/pokemon.dat" "$STAGE/$NAME/"
cp "$ROOT/docs/kivrel.png" "$STAGE/$NAME/Kivrel-screenshot.png"
# named so that it is not read until the player renames it to config.txt
printf '00\r\n1B\r\n2C\r\n20.50\r\n05F0\r\n' > "$STAGE/$NAME/config-example.txt"
# the guide is the README's player section; with the byte-order mark Notepad
# reads it as UTF-8 whatever the system's code page
GUIDE="$STAGE/$NAME/Kivrel-guide.txt"
printf '\357\273\277' > "$GUIDE"
sed -n '/<!-- guide:start -->/,/<!-- guide:end -->/p' "$ROOT/README.md" | sed '1d;$d' |
    sed 's/^#* //; s/$/\r/' >> "$GUIDE"
[ "$(wc -c < "$GUIDE")" -gt 3 ] || { echo "the README holds no guide section" >&2; exit 1; }

rm -f "$OUT/$NAME-win64.zip"
(cd "$STAGE" && zip -q -X -r "$OUT/$NAME-win64.zip" "$NAME")
echo "$OUT/$NAME-win64.zip"
