# An X display for Wine: the one given in DISPLAY, else a virtual one for this script's run.

BRINDLOW_SCREEN="${BRINDLOW_SCREEN:-1280x1024x24}"

# Sets DISPLAY; BRINDLOW_VIRTUAL_DISPLAY tells whether it is a virtual one started here.
BRINDLOW_VIRTUAL_DISPLAY=
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number_file pid
  number_file="$(mktemp)"
  # Xvfb picks a free display number itself and writes it once it accepts clients.
  Xvfb -displayfd 3 -screen 0 "$BRINDLOW_SCREEN" -nolisten tcp 3>"$number_file" \
    </dev/null >/dev/null 2>&1 &
  pid=$!
  on_exit "kill $pid; wait $pid"
  local tries=0
  until [ -s "$number_file" ]; do
    kill -0 "$pid" 2>/dev/null || die "Xvfb did not start"
    ((++tries < 200)) || die "Xvfb did not report a display"
    sleep 0.05
  done
  export DISPLAY=":$(head -n 1 "$number_file")"
  rm -f "$number_file"
  BRINDLOW_VIRTUAL_DISPLAY=1
  log "virtual display $DISPLAY"
}
