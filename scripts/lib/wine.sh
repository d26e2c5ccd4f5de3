# The Wine prefix of our own inside the build folder, and its server.

wine_env() {
  export WINEPREFIX="$BRINDLOW_PREFIX" WINEARCH=win64 WINEDEBUG=-all
  # No Mono or Gecko installers: the program needs neither.
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

_wine_reg_add() { wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }

# Creates the prefix once: Windows 10, no crash dialog, no window manager stalls.
ensure_prefix() {
  wine_env
  local ready="$WINEPREFIX/.brindlow-ready"
  [ -f "$ready" ] && return 0
  log "creating the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i </dev/null >/dev/null 2>&1
  wine winecfg -v win10 </dev/null >/dev/null 2>&1
  # A crash would otherwise open a modal box that hangs the run until its time-out.
  _wine_reg_add 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0
  # Without a window manager every closing window stalls 2 s unless Wine manages it.
  _wine_reg_add 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N
  wineserver -w
  touch "$ready"
}

# The screen's dots per inch (96 is 100 %, 144 is 150 %); programs started later follow it.
set_dpi() {
  wine_env
  _wine_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$1"
}

# A persistent server for this script's run: without it every Wine start pays for a new one.
# Start it before anything else runs in the prefix (after ensure_prefix): while another server
# runs, it cannot start. Wine's helper processes start here too, away from the pipes of the
# tests that come later.
start_wineserver() {
  wine_env
  wineserver -p </dev/null >/dev/null 2>&1 || log "a Wine server runs in $WINEPREFIX already"
  on_exit "WINEPREFIX='$WINEPREFIX' wineserver -k"
  wine wineboot </dev/null >/dev/null 2>&1
}
