# Shared by the scripts: where the builds live, messages, and clean-up at exit.
# Source it first; the other pieces in this folder build on it.

BRINDLOW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# The official places; each can be moved (e.g. to build beside another build at once).
: "${BRINDLOW_BUILD:=$BRINDLOW_ROOT/build}"
: "${BRINDLOW_NATIVE_DIR:=$BRINDLOW_BUILD/native}"
: "${BRINDLOW_WINDOWS_DIR:=$BRINDLOW_BUILD/windows}"
: "${BRINDLOW_PREFIX:=$BRINDLOW_BUILD/wineprefix}"
: "${BRINDLOW_JOBS:=$(nproc)}"

# Wine names files in the process's character set: without UTF-8 it cannot make a file whose
# name is outside ASCII. C.UTF-8 is always present on Debian.
if [ "$(LC_ALL="${LC_ALL:-}" locale charmap 2>/dev/null)" != "UTF-8" ]; then
  export LC_ALL=C.UTF-8
fi

log() { printf '==> %s\n' "$*" >&2; }
die() {
  printf 'error: %s\n' "$*" >&2
  exit 1
}

# Steps to run when the script ends, however it ends; the last added runs first.
_brindlow_cleanups=()
on_exit() { _brindlow_cleanups+=("$1"); }
_brindlow_run_cleanups() {
  local i
  for ((i = ${#_brindlow_cleanups[@]} - 1; i >= 0; i--)); do
    eval "${_brindlow_cleanups[i]}" >/dev/null 2>&1 || true
  done
}
trap _brindlow_run_cleanups EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
