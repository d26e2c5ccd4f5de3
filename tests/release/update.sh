#!/usr/bin/env bash
# Updates through the program itself under Wine, end to end. Version A is installed (with its
# setup program, and as a portable copy), a local server offers version B, A finds it at its
# start, the user answers Yes, and B runs in A's place. Before that, the server lies in each way
# a compromised one could (another setup program, a truncated archive, a manifest signed with
# another key or not at all, an older release signed properly): A offers nothing or refuses the
# download, and nothing runs or changes. Both versions are built here, for an update server on
# 127.0.0.1, with a signing key and a code-signing certificate made for this run. Run by CTest
# after scripts/test has built, made the Wine prefix and started its display and server.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
source "$BRINDLOW_ROOT/scripts/lib/wine.sh"
source "$BRINDLOW_ROOT/scripts/lib/signing.sh"
source "$BRINDLOW_ROOT/tests/release/lib.sh"

work="$(mktemp -d)"
on_exit "rm -rf '$work'"
on_exit "end_program Brindlow.exe"

# The server's port is built into both versions.
port="$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
openssl ecparam -name prime256v1 -genkey -noout -out "$work/key.pem" 2>/dev/null
openssl ec -in "$work/key.pem" -pubout -outform DER -out "$work/key.der" 2>/dev/null
openssl ecparam -name prime256v1 -genkey -noout -out "$work/stranger.pem" 2>/dev/null
export BRINDLOW_SIGNING_KEY="$work/key.pem"
use_codesign_certificate "$work"

# release VERSION FOLDER: the release of VERSION for this test's server, in FOLDER.
release() {
  step "building version $1"
  BRINDLOW_WINDOWS_DIR="$BRINDLOW_BUILD/update-test" "$BRINDLOW_ROOT/scripts/package" \
    --out "$2" -DBRINDLOW_VERSION="$1" -DBRINDLOW_RELEASE_KEY="$work/key.der" \
    -DBRINDLOW_UPDATE_SERVERS="http://127.0.0.1:$port/;http://127.0.0.1:$port/" \
    -DBRINDLOW_UPDATE_ALLOW_HTTP=ON >/dev/null
}
release 1.0.0.0 "$work/a"
release 1.0.1.0 "$work/b"
served="$work/server/Brindlow"
mkdir -p "$served"
requests="$work/requests.log"
python3 -m http.server --bind 127.0.0.1 --directory "$work/server" "$port" >/dev/null 2>>"$requests" &
server=$!
on_exit "kill $server"

tools="$BRINDLOW_WINDOWS_DIR"
# answer_update_prompt: the question of the check at start-up, answered Yes (6).
answer_update_prompt() { wine "$tools/press_button.exe" Brindlow 6 60 >/dev/null 2>&1; }

# serve: the server offers release B as built, and the request log starts anew; serve_lie: it
# offers the tampered files put in $work/lie instead of B's.
serve() {
  rm -rf "$served" "$work/lie"
  cp -r "$work/b" "$served"
  mkdir -p "$work/lie"
  : >"$requests"
  touch "$work/since"
}
serve_lie() { cp "$work/lie/"* "$served/"; }
requested() { grep -qF "GET /Brindlow/$1 " "$requests"; }
# settle: what the program does after a request is done well within this.
settle() { sleep 3; }

# refused TITLE EXE ORIGINAL WHY: the program of window TITLE still runs as it was, no other
# version started, and EXE is ORIGINAL's copy.
refused() {
  window_shown "$1" || fail "$4: the program did not keep running"
  ! window_shown "Brindlow" || fail "$4: an update was offered"
  ! xwininfo -root -tree | grep -q '"Brindlow 1\.0\.1\.0' || fail "$4: version B runs"
  cmp -s "$2" "$3" || fail "$4: the program was changed"
}
# no_download_left: neither the setup program nor the archive, whole or in part, was kept.
no_download_left() {
  [ -z "$(find "$WINEPREFIX/drive_c" \( -name 'Brindlow-setup.exe*' -o -name 'Brindlow.zip*' \
    -o -name 'update_*.bat' \) -newer "$work/since" 2>/dev/null)" ] ||
    fail "$1: a download or an update script was left"
}

# signed_lie KEY VERSION: a version file and a manifest of VERSION over B's files, signed
# with KEY.
signed_lie() {
  cp "$work/b/Brindlow-setup.exe" "$work/b/Brindlow.zip" "$work/lie/"
  write_manifest "$1" "$2" "$work/lie"
  rm "$work/lie/Brindlow-setup.exe" "$work/lie/Brindlow.zip"
  printf '%s' "$2" >"$work/lie/version.txt"
}
# stop TITLE: the program is ended and its window gone.
stop() {
  end_program Brindlow.exe
  wait_for_no_window "$1" || fail "the program of \"$1\" did not end"
}

program_dir="$WINEPREFIX/drive_c/Program Files/Brindlow"
installed_a="$work/installed-a.exe"
unzip -p "$work/a/Brindlow.zip" Brindlow.exe >"$installed_a"
wine "$work/a/Brindlow-setup.exe" /SILENT
start_installed() {
  wine "C:\\Program Files\\Brindlow\\Brindlow.exe" >/dev/null 2>&1 &
  running=$!
  wait_for_window "Brindlow 1.0.0.0 (64-bit)" || fail "version A did not start"
}

# A lie in the files that decide what is offered: A's check finds no update.
for lie in "a manifest signed with another key" "a manifest without signature" \
  "an older release signed properly" "a version file the manifest does not name"; do
  step "an installed copy offers nothing for $lie"
  serve
  case "$lie" in
    *"another key"*) signed_lie "$work/stranger.pem" 1.0.1.0 ;;
    *"without signature"*) sed '$d' "$work/b/manifest.txt" >"$work/lie/manifest.txt" ;;
    *older*) signed_lie "$work/key.pem" 0.9.0.0 ;;
    *"version file"*) printf '1.0.2.0' >"$work/lie/version.txt" ;;
  esac
  serve_lie
  start_installed
  wait_until requested manifest.txt || fail "$lie: A did not check for an update"
  settle
  refused "Brindlow 1.0.0.0 (64-bit)" "$program_dir/Brindlow.exe" "$installed_a" "$lie"
  ! requested Brindlow-setup.exe || fail "$lie: the setup program was downloaded"
  stop "Brindlow 1.0.0.0 (64-bit)"
done

step "an installed copy refuses another setup program and runs nothing"
serve
# Another program in the setup program's place: version B's own Brindlow.exe, which would
# show its window if it ran.
unzip -p "$work/b/Brindlow.zip" Brindlow.exe >"$work/lie/Brindlow-setup.exe"
serve_lie
start_installed
answer_update_prompt || fail "version A did not offer the signed release"
wait_until requested Brindlow-setup.exe || fail "the setup program was not downloaded"
settle
refused "Brindlow 1.0.0.0 (64-bit)" "$program_dir/Brindlow.exe" "$installed_a" \
  "another setup program"
no_download_left "another setup program"
stop "Brindlow 1.0.0.0 (64-bit)"

step "an installed copy finds, downloads and installs the new version"
serve
start_installed
answer_update_prompt || fail "version A offered no update"
wait_for_window "Brindlow 1.0.1.0 (64-bit)" || fail "version B does not run after the update"
wait_for_no_window "Brindlow 1.0.0.0 (64-bit)" || fail "version A still runs"
wait "$running" || fail "version A did not end cleanly (exit code $?)"
cmp <(unzip -p "$work/b/Brindlow.zip" Brindlow.exe) "$program_dir/Brindlow.exe" ||
  fail "the installed program is not version B"
end_program Brindlow.exe
wine "$program_dir/Uninstall.exe" /S
wait_until_gone "$program_dir/Brindlow.exe" || fail "the program was not uninstalled"

portable="$WINEPREFIX/drive_c/brindlow-portable"
rm -rf "$portable"
mkdir -p "$portable"
unzip -q "$work/a/Brindlow.zip" -d "$portable"
# The update script's PowerShell and timeout, which Wine lacks.
export WINEPATH
WINEPATH="$(winepath -w "$BRINDLOW_WINDOWS_DIR/stand-ins")"
start_portable() {
  wine "C:\\brindlow-portable\\Brindlow.exe" >/dev/null 2>&1 &
  running=$!
  wait_for_window "Brindlow 1.0.0.0 (64-bit) Portable" || fail "portable version A did not start"
}

step "a portable copy refuses a truncated archive and writes nothing"
serve
head -c -100 "$work/b/Brindlow.zip" >"$work/lie/Brindlow.zip"
serve_lie
start_portable
answer_update_prompt || fail "portable version A did not offer the signed release"
wait_until requested Brindlow.zip || fail "the archive was not downloaded"
settle
refused "Brindlow 1.0.0.0 (64-bit) Portable" "$portable/Brindlow.exe" "$installed_a" \
  "a truncated archive"
no_download_left "a truncated archive"
stop "Brindlow 1.0.0.0 (64-bit) Portable"

step "a portable copy unpacks the new version over itself and starts it"
serve
start_portable
answer_update_prompt || fail "portable version A offered no update"
wait_for_window "Brindlow 1.0.1.0 (64-bit) Portable" || fail "portable version B does not run"
wait "$running" || fail "portable version A did not end cleanly (exit code $?)"
cmp <(unzip -p "$work/b/Brindlow.zip" Brindlow.exe) "$portable/Brindlow.exe" ||
  fail "the portable program is not version B"
[ ! -e "$portable/Brindlow.zip" ] || fail "the archive was left beside the program"
end_program Brindlow.exe
rm -rf "$portable"
rm -f "$(settings_file)"

echo "release update: passed"
