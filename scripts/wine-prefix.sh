# A Wine prefix for the Windows program, as the Windows stage, the
# screenshots and the package check all need it. Sourced.

# Wine's environment for a fresh 64-bit prefix in folder $1.
use_wine_prefix() {
  export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all
  # English window titles for the end-to-end runs to find, whatever the machine's language.
  export LC_ALL=C.UTF-8
  # No Mono or Gecko: nothing here needs them, and their installers would ask.
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Makes the prefix in $WINEPREFIX ready; needs DISPLAY (a virtual X server).
prepare_wine_prefix() {
  wineboot -i >/dev/null 2>&1
  # Windows left unmanaged: with no window manager to answer, Wine would
  # wait two seconds for each window that closes.
  wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  # The "MS Sans Serif" and Marlett faces of Debian package fonts-wine, in
  # the fonts folder of the prefix, as on Windows: Debian's Wine looks for
  # them in a folder it cannot reach, and without them the pages fall back
  # to another face and the title bar buttons show letters.
  if [ -d /usr/share/wine/fonts ]; then
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  else
    echo "fonts-wine is missing: pages will not be drawn in MS Sans Serif" >&2
  fi
}
