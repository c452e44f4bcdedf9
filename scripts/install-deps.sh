#!/bin/sh
# Installs, with apt, whatever this machine still lacks for the named sets:
#   native   the host tree: compiler, GoogleTest, Google Benchmark
#   windows  the MinGW-w64 tree and its runs under Wine on a virtual display
#            (make test-windows, run, screenshot, dist)
#   fuzz     the libFuzzer tree: clang and its sanitizer and fuzzer runtime
#   all      every set
# Idempotent: when everything is present it installs nothing.
# Usage: install-deps.sh SET...
set -eu

# every tree is configured by cmake and built by ninja
BUILD="make cmake ninja-build"
NATIVE="$BUILD g++ libgtest-dev libbenchmark-dev"
# googletest: the sources, built by the cross compiler; x11-utils: xdpyinfo
# and xwininfo; imagemagick: import, convert, identify; locales: localedef's
# Japanese and English sources; zip, unzip: the release archive
WINDOWS="$BUILD g++-mingw-w64-x86-64 googletest wine wine64 fonts-wine fonts-ipafont-gothic \
xvfb xauth x11-utils imagemagick locales zip unzip"
FUZZ="$BUILD clang libclang-rt-14-dev"

[ $# -gt 0 ] || { echo "usage: $0 native|windows|fuzz|all..." >&2; exit 2; }
packages=""
for set in "$@"; do
    case "$set" in
    native) packages="$packages $NATIVE" ;;
    windows) packages="$packages $WINDOWS" ;;
    fuzz) packages="$packages $FUZZ" ;;
    all) packages="$packages $NATIVE $WINDOWS $FUZZ" ;;
    *) echo "$0: unknown set '$set' (native, windows, fuzz or all)" >&2; exit 2 ;;
    esac
done

missing_packages() {
    missing=""
    for p in $(echo $packages | tr ' ' '\n' | sort -u); do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $p"
        fi
    done
}

missing_packages
[ -n "$missing" ] || exit 0

# make -j may install two sets at once: one apt at a time, and what the other
# installed meanwhile is not asked for again
exec 9>>/tmp/kivrel-install-deps.lock
flock 9
missing_packages
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
