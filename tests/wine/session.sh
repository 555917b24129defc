# A Wine session for running the Windows programs: a prefix of its own under
# the build folder, a private X display, and a virtual desktop so windows get
# Wine's own frames and title bars. Source this file, then call
# wine_session_start; wine_session_stop ends the session (also on exit).
#
# The virtual desktop is the prefix's default desktop (the registry entries
# that make Wine start "explorer /desktop=velorin,1920x1080" for every
# program), so every program of the session, the program under test and the
# test driver alike, shares one desktop and keeps its own exit code.

wine_desktop_name=velorin
wine_desktop_size=1920x1080

wine_environment() {
  export WINEPREFIX
  WINEPREFIX=$(realpath -m "$1")  # Wine takes only absolute prefixes
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko prompts
  export LANG=zh_CN.UTF-8
  export LC_ALL=zh_CN.UTF-8
}

wine_prefix_create() {
  [ -f "$WINEPREFIX/.velorin-ready" ] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$wine_desktop_name" /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$wine_desktop_name" \
    /d "$wine_desktop_size" /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.velorin-ready"
}

# Starts a private Xvfb on a free display number and exports DISPLAY.
wine_display_start() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${wine_desktop_size}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  wine_xvfb_pid=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

wine_session_start() {
  wine_environment "$1"
  wine_display_start
  wine_prefix_create
  trap wine_session_stop EXIT
}

wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${wine_xvfb_pid:-}" ]; then
    kill "$wine_xvfb_pid" 2>/dev/null || true
    wait "$wine_xvfb_pid" 2>/dev/null || true
    wine_xvfb_pid=
  fi
}

# Saves what the display shows as a PNG.
wine_screenshot() {
  import -window root "$1"
}
