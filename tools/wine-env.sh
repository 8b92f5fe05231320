# Sourced by tools/run, tools/test and tools/bench: one Wine prefix and one
# X display for the whole run, started here and ended by mitu_stop.

mitu_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
mitu_xvfb_pid=

export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="

# An Xvfb on the first free display number from 90.
mitu_start_xvfb() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  mitu_xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

# A fresh prefix in $1 with the settings the program and tests expect; the
# wineserver is kept up until mitu_stop.
mitu_prepare_prefix() {
  export WINEPREFIX=$1
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$WINE64" wineboot -i >"$WINEPREFIX.boot.log" 2>&1
  "$WINESERVER" -w >/dev/null 2>&1
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null
  # Wine manages no window itself: no window manager here, no 2 s waits.
  local reg="$WINEPREFIX.settings.reg"
  cat >"$reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]
"Browsers"="$mitu_top/tools/record-browser"
"Mailers"="$mitu_top/tools/record-browser"
REG
  "$WINE64" regedit /S "$reg" >/dev/null 2>&1
  # Start the background services now, so that no test's output pipe is
  # inherited by them.
  "$WINE64" cmd /c exit >/dev/null 2>&1 </dev/null
}

mitu_stop() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$mitu_xvfb_pid" ]; then
    kill "$mitu_xvfb_pid" 2>/dev/null || true
    wait "$mitu_xvfb_pid" 2>/dev/null || true
  fi
}
