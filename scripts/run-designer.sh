#!/bin/sh
# Starts the designer on a file. Without a display it runs on a virtual one,
# takes a screenshot after a few seconds and prints its path.
cd "$(dirname "$0")/.."
FILE=${1:-examples/sample.bas}
EXE=build/win/app/WRENKIT.EXE
export WINEPREFIX="$PWD/build/win/wineprefix"
WINFILE=$(/usr/lib/wine/wine64 winepath -w "$PWD/$FILE" 2>/dev/null || echo "$FILE")
if [ -n "$DISPLAY" ]; then
    exec scripts/wine-run.sh "$EXE" "$WINFILE"
fi
SHOT="$PWD/build/win/artifacts/designer.png"
mkdir -p "$(dirname "$SHOT")"
scripts/with-display.sh sh -c "
    scripts/wine-run.sh '$EXE' '$WINFILE' &
    sleep 8
    import -window root '$SHOT' 2>/dev/null || xwd -root -silent | convert xwd:- '$SHOT'
    /usr/lib/wine/wineserver -k
"
echo "The designer ran on a virtual display; screenshot: $SHOT"
