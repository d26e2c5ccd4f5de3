# What the release tests share: steps, failures, and looking at the Wine prefix from outside.
# Sourced after scripts/lib/common.sh and wine.sh.

wine_env
[ -n "${DISPLAY:-}" ] || die "the release tests need the display that scripts/test starts"

step() { log "$*"; }
fail() {
  printf 'FAILED: %s\n' "$*" >&2
  exit 1
}

# registry_value KEY NAME: the value's data, or nothing.
registry_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}

# The settings file of the prefix's user (wherever the user's roaming folder is).
settings_file() {
  local found
  found="$(find "$WINEPREFIX/drive_c/users" -path '*/Brindlow/Config/Option.ini' 2>/dev/null |
    head -n 1)"
  printf '%s' "$found"
}

# A top-level window with exactly this title exists on the display.
window_shown() { xwininfo -root -tree 2>/dev/null | grep -qF "\"$1\""; }
no_window() { ! window_shown "$1"; }
no_file() { [ ! -e "$1" ]; }

# wait_until COMMAND...: COMMAND succeeds within 60 seconds.
wait_until() {
  local tries=0
  until "$@"; do
    ((++tries < 600)) || return 1
    sleep 0.1
  done
}
wait_for_window() { wait_until window_shown "$1"; }
wait_for_no_window() { wait_until no_window "$1"; }
# The uninstaller runs as a copy of itself, after the started one has ended.
wait_until_gone() { wait_until no_file "$1"; }

# Ends every process of the image name in the prefix.
end_program() { wine taskkill /F /IM "$1" >/dev/null 2>&1 || true; }
