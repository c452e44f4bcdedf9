#!/bin/sh
# Packs the Windows release: dist/Kivrel-VERSION-win64.zip (the version from
# the build tree's version.env) with both programs, the species table, an
# example config.txt, the player's guide (CP932, CR LF) and a picture of the window.
# Usage: make-dist.sh [windows build dir]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build/windows}
. "$BUILD/version.env"
NAME=$KIVREL_NAME-$KIVREL_VERSION
STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT
mkdir -p "$STAGE/$NAME" "$ROOT/dist"

cp "$BUILD/Kivrel.exe" "$BUILD/Kivrel-fixed.exe" "$ROOT/data/pokemon.dat" "$STAGE/$NAME/"
cp "$ROOT/docs/kivrel.png" "$STAGE/$NAME/Kivrel-screenshot.png"
# named so that it is not read until the player renames it to config.txt
printf '00\r\n1B\r\n2C\r\n20.50\r\n05F0\r\n' > "$STAGE/$NAME/config-example.txt"
# the guide is the README's player section; Notepad on a Japanese system reads CP932
sed -n '/<!-- guide:start -->/,/<!-- guide:end -->/p' "$ROOT/README.md" | sed '1d;$d' |
    sed 's/é/e/g; s/^#* //' | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' > "$STAGE/$NAME/Kivrel-guide.txt"
[ -s "$STAGE/$NAME/Kivrel-guide.txt" ] || { echo "the README holds no guide section" >&2; exit 1; }

rm -f "$ROOT/dist/$NAME-win64.zip"
(cd "$STAGE" && zip -q -X -r "$ROOT/dist/$NAME-win64.zip" "$NAME")
echo "dist/$NAME-win64.zip"
