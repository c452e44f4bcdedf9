#!/bin/sh
# Installs, with apt, whatever this machine still lacks to build, run and test Kivrel.
# Idempotent: when everything is present it installs nothing.
set -eu

PACKAGES="make cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev \
g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth x11-utils fonts-ipafont-gothic \
imagemagick locales zip unzip clang libclang-rt-14-dev"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
