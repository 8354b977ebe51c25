#!/bin/sh
# Runs a Windows program under Wine with the build tree's own prefix.
# The prefix is created once per build folder; WINEPREFIX comes from CTest.
set -e
: "${WINEPREFIX:?WINEPREFIX must name the build tree prefix}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINE=${WINE:-/usr/lib/wine/wine64}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            "$WINE" wineboot -i >/dev/null 2>&1 || true
            # No window manager runs on the virtual display: Wine draws the frames
            # and captions itself, so screenshots show what a user sees.
            "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
            "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
            # Wine's own TrueType fonts (Marlett draws the caption buttons) are
            # not found in its data folder by this build; the prefix gets copies.
            cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
            /usr/lib/wine/wineserver -w || true
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec "$WINE" "$@"
