# Shell functions that set up what Windows programs of a win64 build need
# before cmake/wine-run starts them: an X display and the build tree's Wine
# prefix. Source this file from bash; call velmora_start_xvfb,
# velmora_prepare_wineprefix BUILD_DIR and velmora_start_wineserver BUILD_DIR,
# and at exit (from a trap) velmora_stop_wineserver BUILD_DIR and
# velmora_stop_xvfb.

# Starts an Xvfb on a free display number, waits until it answers and exports
# DISPLAY. Sets VELMORA_XVFB_PID.
velmora_start_xvfb() {
    local state
    state=$(mktemp -d)
    # Xvfb picks the first free display itself and writes its number to fd 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$state/display" </dev/null >"$state/xvfb.log" 2>&1 &
    VELMORA_XVFB_PID=$!
    local tries=0
    until [ -s "$state/display" ] && xdpyinfo -display ":$(cat "$state/display")" >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ $tries -ge 100 ] || ! kill -0 "$VELMORA_XVFB_PID" 2>/dev/null; then
            echo "Xvfb did not start:" >&2
            cat "$state/xvfb.log" >&2
            rm -rf "$state"
            return 1
        fi
        sleep 0.1
    done
    export DISPLAY=":$(cat "$state/display")"
    rm -rf "$state"
}

# Creates the Wine prefix of a build tree once, before any program runs in it.
velmora_prepare_wineprefix() {
    mkdir -p "$1"
    local build prefix
    build=$(cd "$1" && pwd)
    prefix="$build/wineprefix"
    [ -f "$prefix/.velmora-ready" ] && [ -f "$prefix/.velmora-settings" ] && return 0
    rm -rf "$prefix"
    # No Mono or Gecko prompt: the library needs neither.
    if ! (export WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 \
        WINEDLLOVERRIDES="mscoree=d;mshtml=d"
        wineboot -i </dev/null >"$build/wineboot.log" 2>&1 && wineserver -w); then
        echo "wineboot failed; see $build/wineboot.log" >&2
        return 1
    fi
    velmora_wine_settings "$prefix" || return 1
    touch "$prefix/.velmora-ready"
}

# Settings of a fresh prefix for the dialogs. No window manager runs on the
# test display, so windows are unmanaged: Wine draws their frames itself and
# hides them at once instead of waiting for a manager. The templates' font
# ＭＳ ゴシック is drawn with the installed IPA Gothic, the caption buttons
# with Wine's own Marlett.
velmora_wine_settings() {
    (
        export WINEPREFIX="$1" WINEDEBUG=-all LC_ALL=ja_JP.UTF-8
        cp /usr/share/wine/fonts/marlett.ttf "$1/drive_c/windows/Fonts/" &&
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f &&
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d IPAGothic /f &&
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Gothic' /d IPAGothic /f &&
            wineserver -w
    ) </dev/null >/dev/null 2>&1 && touch "$1/.velmora-settings"
}

# Starts the wineserver of a build tree's prefix and Wine's system processes,
# detached from this shell's output, to run until velmora_stop_wineserver.
velmora_start_wineserver() {
    local build
    build=$(cd "$1" && pwd)
    (
        export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all LC_ALL=ja_JP.UTF-8
        wineserver -k0 2>/dev/null && exit 0
        setsid wineserver -p </dev/null >"$build/wineserver.log" 2>&1 &
        local tries=0
        until wineserver -k0 2>/dev/null; do
            tries=$((tries + 1))
            if [ $tries -ge 100 ]; then
                echo "wineserver did not start; see $build/wineserver.log" >&2
                exit 1
            fi
            sleep 0.1
        done
        setsid wine wineboot </dev/null >>"$build/wineserver.log" 2>&1
    )
}

# Stops the wineserver of a build tree's prefix and its processes, if they run.
velmora_stop_wineserver() {
    if [ -d "$1/wineprefix" ]; then
        WINEPREFIX="$(cd "$1/wineprefix" && pwd)" wineserver -k 2>/dev/null || true
    fi
}

velmora_stop_xvfb() {
    if [ -n "${VELMORA_XVFB_PID:-}" ]; then
        kill "$VELMORA_XVFB_PID" 2>/dev/null
        wait "$VELMORA_XVFB_PID" 2>/dev/null
        VELMORA_XVFB_PID=
    fi
    return 0
}
