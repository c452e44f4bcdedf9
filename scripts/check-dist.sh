#!/bin/sh
# Checks the release archive built from a Windows build tree: its contents,
# the guide's names, and the program running from the unpacked folder under Wine.
# Usage: check-dist.sh BUILD_DIR   (inside the environment of with-wine.sh)
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$1
. "$BUILD/version.env"
# packed inside the build tree: a test run writes nothing into the sources
ZIP=$("$ROOT/scripts/make-dist.sh" "$BUILD" "$BUILD/dist")
UNPACKED=$(mktemp -d)
trap 'rm -rf "$UNPACKED"' EXIT
unzip -q "$ZIP" -d "$UNPACKED"
DIR="$UNPACKED/$KIVREL_NAME-$KIVREL_VERSION"
status=0

for f in Kivrel.exe Kivrel-fixed.exe pokemon.dat config-example.txt Kivrel-guide.txt Kivrel-screenshot.png; do
    [ -s "$DIR/$f" ] || { echo "missing from the archive: $f"; status=1; }
done

# The programs a player gets carry no debug sections.
for exe in Kivrel.exe Kivrel-fixed.exe; do
    debug=$(x86_64-w64-mingw32-objdump -h "$DIR/$exe" | awk '$2 ~ /^\.debug/ { print $2 }' | tr '\n' ' ')
    [ -z "$debug" ] || { echo "$exe carries debug sections: $debug"; status=1; }
done

# Both programs carry the product name and version in their version resource.
for exe in Kivrel.exe Kivrel-fixed.exe; do
    info=$(x86_64-w64-mingw32-strings -el "$DIR/$exe" | grep --no-group-separator -A1 -x -E 'ProductName|ProductVersion' | tr '\n' ' ')
    [ "$info" = "ProductName $KIVREL_NAME ProductVersion $KIVREL_VERSION " ] ||
        { echo "$exe: version resource reads '$info'"; status=1; }
done

# The guide reads on any system code page: UTF-8 after a byte-order mark, every line ended by CR LF.
GUIDE="$DIR/Kivrel-guide.txt"
[ "$(head -c 3 "$GUIDE" | od -An -tx1 | tr -d ' ')" = efbbbf ] || { echo "the guide does not start with EF BB BF"; status=1; }
iconv -f UTF-8 -t UTF-8 "$GUIDE" >/dev/null 2>&1 || { echo "the guide is not UTF-8"; status=1; }
LC_ALL=C awk '!/\r$/ { bare++ } END { exit bare > 0 }' "$GUIDE" && [ "$(tail -c 2 "$GUIDE" | od -An -tx1 | tr -d ' ')" = 0d0a ] ||
    { echo "the guide has a line not ended by CR LF"; status=1; }

# Every name the guide quotes in 「」 is a text of the program or a file of the archive.
names=$(tail -c +4 "$GUIDE" | grep -o '「[^」]*」' | sed 's/^「//; s/」$//' | sort -u)
[ -n "$names" ] || { echo "the guide names nothing"; status=1; }
echo "$names" | while IFS= read -r name; do
    [ -e "$DIR/$name" ] && continue
    bytes=$(printf '%s' "$name" | iconv -f UTF-8 -t CP932)
    LC_ALL=C grep -q -F -- "$bytes" "$DIR/Kivrel.exe" || { echo "the guide names what the program lacks: $name"; exit 1; }
done || status=1

KIVREL_DIST_DIR=$(echo "Z:$DIR" | sed 's|/|\\|g') wine "$BUILD/dist_check.exe" || status=1
[ $status = 0 ] && echo "release archive: ok"
exit $status
