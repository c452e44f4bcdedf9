#!/bin/sh
# Runs a command (the Windows tests) with a fresh Wine prefix, a Japanese
# locale and a virtual display, all removed afterwards.
set -eu
. "$(dirname "$0")/wine-env.sh"

ensure_japanese_locale
PREFIX_DIR=$(mktemp -d /tmp/kivrel-wine.XXXXXX)
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$PREFIX_DIR"
}
trap cleanup EXIT INT TERM
start_virtual_display
echo "Preparing a Wine prefix in $PREFIX_DIR on display $DISPLAY"
# KIVREL_WINDOWS_BUILD names another Windows build tree than build/windows
make_prefix "$PREFIX_DIR" "$(windows_path "${KIVREL_WINDOWS_BUILD:-$ROOT/build/windows}/open_recorder.exe")"
# keep one wineserver for the whole run so each test starts quickly
wineserver -p
# start the prefix's services now: started by the first test instead, they
# would keep that test's output pipe open and CTest would wait for it forever
wine wineboot </dev/null >/dev/null 2>&1
# keep the desktop that wineboot started in use for the whole run, so that no
# test starts it again with its own output pipe (ended by wineserver -k)
KEEPER="${KIVREL_WINDOWS_BUILD:-$ROOT/build/windows}/desktop_keeper.exe"
[ -f "$KEEPER" ] && wine "$KEEPER" </dev/null >/dev/null 2>&1 &
"$@"
