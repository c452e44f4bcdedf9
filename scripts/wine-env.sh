# Sourced by the scripts that run Kivrel under Wine: a Japanese locale (ANSI
# code page 932), quiet Wine, and helpers for a virtual display and a prefix.
ROOT=$(cd "$(dirname "$0")/.." && pwd)
LOCALE_DIR="$ROOT/build/locale"

ensure_japanese_locale() {
    # the English one is there for the tests that run the program on another code page
    for locale in ja_JP en_US; do
        if [ ! -e "$LOCALE_DIR/$locale.UTF-8/LC_CTYPE" ]; then
            mkdir -p "$LOCALE_DIR"
            localedef -i $locale -f UTF-8 "$LOCALE_DIR/$locale.UTF-8" 2>/dev/null || true
        fi
    done
    export LOCPATH="$LOCALE_DIR"
    # the shell itself cannot see LOCPATH, so it would warn; Wine sees both
    { export LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8; } 2>/dev/null
}

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Starts Xvfb on a free display and exports DISPLAY; XVFB_PID names it.
start_virtual_display() {
    n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on :$n" >&2
    return 1
}

# The caption buttons of a window are glyphs of the Marlett font: Debian's
# fonts-wine ships it, and Wine finds it in the prefix's font folder.
add_caption_font() {
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
        cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
}

# Creates a Wine prefix in $1 set up for Kivrel: no window manager wait, the
# caption font, and the command interpreter replaced by $2 when given (tests
# record the calls).
make_prefix() {
    export WINEPREFIX="$1"
    mkdir -p "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1
    add_caption_font
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    if [ -n "${2:-}" ]; then
        wine reg add 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' \
            /v ComSpec /t REG_EXPAND_SZ /d "$2" /f >/dev/null 2>&1
    fi
    wineserver -w
}

# Windows path (Z: drive) of a Linux path.
windows_path() { printf '%s\n' "Z:$(readlink -f "$1" | sed 's|/|\\|g')"; }
