# The project's own Wine prefix in build/windows/wine, and a Wine session
# to run its Windows programs in. Sourced by scripts/windows and
# scripts/windows-bench.

export WINEPREFIX=${WINEPREFIX:-$PWD/build/windows/wine}
export WINEDEBUG=${WINEDEBUG:--all}

# Chinese text needs a CJK face: the faces Wine's dialogs, menus and message
# boxes use are linked to WenQuanYi Micro Hei, and it stands for the Song
# face the program asks for, SimSun. Its lines are taller than SimSun's: a
# list drawn for nine lines of SimSun shows eight. (The Ming face AR PL
# UMing has SimSun's measures, but Wine draws it too faint to read at 9 pt.)
# NSimSun is missing, as on a Windows without Chinese fonts: the program
# takes a fixed-pitch face of its own choosing for the report viewer. There
# is no window manager on the virtual display: Wine draws the title bars
# itself, so that screenshots show them, and does not wait for one to map
# and unmap windows. A program that crashes is reported on the console, not
# in a dialog that would wait for a person on the virtual display.
wine_prefix_settings() {
  local link
  link=$(utf16_hex "wqy-microhei.ttc,WenQuanYi Micro Hei")
  cat <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"Tahoma"=hex(7):$link
"MS Shell Dlg"=hex(7):$link
"MS Shell Dlg 2"=hex(7):$link
"Microsoft Sans Serif"=hex(7):$link
"Segoe UI"=hex(7):$link

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"SimSun"="WenQuanYi Micro Hei"
"Microsoft YaHei UI"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Decorated"="N"
"Managed"="N"
REG
}

# A REG_MULTI_SZ value of one string, as regedit's hex(7) writes it.
utf16_hex() {
  printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//; s/,$//; s/$/,00,00,00,00/'
}

# Made once; a prefix made before these settings changed is set up again.
ensure_wine_prefix() {
  local stamp=$WINEPREFIX/.aquamere-settings
  local settings
  settings=$(wine_prefix_settings)
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$settings" ]; then
    install_marlett
    return 0
  fi
  mkdir -p "$WINEPREFIX"
  echo "Setting up the Wine prefix $WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1
  printf '%s\n' "$settings" >"$WINEPREFIX/aquamere.reg"
  wine regedit /S "$(winepath -w "$WINEPREFIX/aquamere.reg")" </dev/null >/dev/null 2>&1
  wineserver -w
  install_marlett
  printf '%s' "$settings" >"$stamp"
}

# Wine draws the title bar's buttons with the Marlett face, which a new
# prefix does not offer until it stands in the prefix's Fonts folder:
# without it the buttons show the letters that stand for the glyphs.
install_marlett() {
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Keeps one Wine server with its services running for a run of many
# programs; started with no output of ours attached, so that a test runner
# does not wait for the services to close it.
start_wine_session() {
  wineserver -p </dev/null >/dev/null 2>&1
  wine wineboot </dev/null >/dev/null 2>&1
}

stop_wine_session() {
  wineserver -k 2>/dev/null || true
}

# The Windows tests of a build, in a running Wine session: once with the
# code page of a Windows of another language (1252), once with a Chinese
# one's (936), which Wine takes from the locale.
run_windows_tests() {
  local build=$1 status=0
  echo "-- code page 1252, as on a Windows of another language"
  LC_ALL=C.UTF-8 ctest --test-dir "$build" --output-on-failure -j2 || status=1
  echo "-- code page 936, as on a Chinese Windows"
  LC_ALL=zh_CN.UTF-8 ctest --test-dir "$build" --output-on-failure -j2 || status=1
  return $status
}
