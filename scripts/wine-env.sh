# The Wine environment of a run, sourced by the session and run scripts: the prefix in SESSION
# (build/win), the system language TORVANE_LOCALE (zh_CN.UTF-8 if unset), and fontconfig's view of
# the fonts, which draws the dialog's Song face from its bitmaps at small sizes.
LOCALE="${TORVANE_LOCALE:-zh_CN.UTF-8}"
export WINEPREFIX="$SESSION/wineprefix" WINEDEBUG=-all LANG="$LOCALE" LC_ALL="$LOCALE" \
       WINEDLLOVERRIDES="mscoree,mshtml=" FONTCONFIG_FILE="$SESSION/fonts.conf"
