#!/bin/bash
# One virtual display, one Wine prefix and one wineserver for a whole run, inside the build folder.
#   wine-session.sh start BUILD   |   wine-session.sh stop BUILD
set -uo pipefail
BUILD="$2"
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
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
  mkdir -p "$WINEPREFIX"
  wineserver -p
  if [ ! -e "$WINEPREFIX/.torvane-ready-2" ]; then
    # Create the prefix before anything else runs in it.
    wine wineboot -i
    # The dialog asks for 宋体; have it drawn with the installed CJK font.
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"\xcb\xce\xcc\xe5"="WenQuanYi Zen Hei"\r\n"SimSun"="WenQuanYi Zen Hei"\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"FontSmoothing"="2"\r\n"FontSmoothingType"=dword:00000002\r\n"FontSmoothingGamma"=dword:00000578\r\n"FontSmoothingOrientation"=dword:00000001\r\n' > "$BUILD/fonts.reg"
    wine regedit /s "$(winepath -w "$BUILD/fonts.reg" 2>/dev/null || echo "Z:${BUILD//\//\\}\\fonts.reg")" && touch "$WINEPREFIX/.torvane-ready-2"
  else
    # Start the prefix's services here, so that they hold this log open and not a test's output.
    wine wineboot
  fi
  ;;
stop)
  wineserver -k 2>/dev/null
  [ -e "$BUILD/xvfb.pid" ] && kill "$(cat "$BUILD/xvfb.pid")" 2>/dev/null
  rm -f "$BUILD/xvfb.pid"
  ;;
esac
exit 0
