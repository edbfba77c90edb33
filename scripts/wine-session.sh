#!/bin/bash
# One virtual display, one Wine prefix and one wineserver for a whole run, inside the build folder.
#   wine-session.sh start BUILD   |   wine-session.sh stop BUILD
set -uo pipefail
BUILD="$2"
SESSION="$BUILD"
TORVANE_LOCALE=zh_CN.UTF-8
. "$(dirname "$0")/wine-env.sh"
# Daemons started here must not hold the caller's output open.
exec >>"$BUILD/wine-session.log" 2>&1
case "$1" in
start)
  if [ -z "${DISPLAY:-}" ] || [ "${TORVANE_XVFB:-}" = 1 ]; then
    for n in $(seq 90 120); do [ -e /tmp/.X$n-lock ] || break; done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! > "$BUILD/xvfb.pid"
    echo ":$n" > "$BUILD/display"
    sleep 1
  else
    echo "$DISPLAY" > "$BUILD/display"
  fi
  export DISPLAY="$(cat "$BUILD/display")"
  # The fonts as the system has them, but AR PL UMing (the stand-in for 宋体 and 新細明體, below)
  # without antialiasing, so that Wine draws its bitmaps at small sizes as Windows draws 宋体's.
  # Cached in the build.
  cat > "$FONTCONFIG_FILE" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <cachedir>$BUILD/fontconfig</cachedir>
  <match target="scan">
    <test name="family" compare="contains"><string>AR PL UMing</string></test>
    <edit name="antialias" mode="assign"><bool>false</bool></edit>
  </match>
</fontconfig>
CONF
  fc-cache
  # A 64-bit prefix runs both the shipped 32-bit program and the 64-bit build.
  export WINEARCH=win64
  # A prefix made by an older run (32-bit only, or other fonts) is made anew.
  [ -e "$WINEPREFIX/.torvane-ready-5" ] || rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineserver -p
  if [ ! -e "$WINEPREFIX/.torvane-ready-5" ]; then
    # Create the prefix before anything else runs in it.
    /usr/lib/wine/wine64 wineboot -i
    # The dialog asks for 宋体 (新細明體 in the Traditional edition): have it drawn with a Song face
    # that has bitmaps for small sizes and the script's glyph shapes, as on a Chinese Windows. The
    # .reg file is in GBK, as regedit reads it under code page 936.
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"\xcb\xce\xcc\xe5"="AR PL UMing CN"\r\n"SimSun"="AR PL UMing CN"\r\n"\xd0\xc2\xbc\x9a\xc3\xf7\xf3\x77"="AR PL UMing TW"\r\n"PMingLiU"="AR PL UMing TW"\r\n' > "$BUILD/fonts.reg"
    /usr/lib/wine/wine64 regedit /s "Z:${BUILD//\//\\}\\fonts.reg" && touch "$WINEPREFIX/.torvane-ready-5"
  else
    # Start the prefix's services here, so that they hold this log open and not a test's output.
    /usr/lib/wine/wine64 wineboot
  fi
  ;;
stop)
  wineserver -k 2>/dev/null
  [ -e "$BUILD/xvfb.pid" ] && kill "$(cat "$BUILD/xvfb.pid")" 2>/dev/null
  rm -f "$BUILD/xvfb.pid"
  ;;
esac
exit 0
