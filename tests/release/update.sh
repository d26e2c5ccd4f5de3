#!/usr/bin/env bash
# Updates through the program itself under Wine, end to end. Version A is installed (with its
# setup program, and as a portable copy), a local server offers version B, A finds it at its
# start, the user answers Yes, and B runs in A's place. Both versions are built here, for an
# update server on 127.0.0.1 and with a signing key made for this run. Run by CTest after
# scripts/test has built, made the Wine prefix and started its display and server.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
source "$BRINDLOW_ROOT/scripts/lib/wine.sh"
source "$BRINDLOW_ROOT/tests/release/lib.sh"

work="$(mktemp -d)"
on_exit "rm -rf '$work'"
on_exit "end_program Brindlow.exe"

# The server's port is built into both versions.
port="$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
openssl ecparam -name prime256v1 -genkey -noout -out "$work/key.pem" 2>/dev/null
openssl ec -in "$work/key.pem" -pubout -outform DER -out "$work/key.der" 2>/dev/null
export BRINDLOW_SIGNING_KEY="$work/key.pem"

# release VERSION FOLDER: the release of VERSION for this test's server, in FOLDER.
release() {
  step "building version $1"
  BRINDLOW_WINDOWS_DIR="$BRINDLOW_BUILD/update-test" "$BRINDLOW_ROOT/scripts/package" \
    --out "$2" -DBRINDLOW_VERSION="$1" -DBRINDLOW_RELEASE_KEY="$work/key.der" \
    -DBRINDLOW_UPDATE_SERVERS="http://127.0.0.1:$port/;http://127.0.0.1:$port/" \
    -DBRINDLOW_UPDATE_ALLOW_HTTP=ON >/dev/null
}
release 1.0.0.0 "$work/a"
release 1.0.1.0 "$work/server/Brindlow"
python3 -m http.server --bind 127.0.0.1 --directory "$work/server" "$port" >/dev/null 2>&1 &
server=$!
on_exit "kill $server"

tools="$BRINDLOW_WINDOWS_DIR"
# answer_update_prompt: the question of the check at start-up, answered Yes (6).
answer_update_prompt() { wine "$tools/press_button.exe" Brindlow 6 60 >/dev/null 2>&1; }

step "an installed copy finds, downloads and installs the new version"
program_dir="$WINEPREFIX/drive_c/Program Files/Brindlow"
wine "$work/a/Brindlow-setup.exe" /SILENT
wine "C:\\Program Files\\Brindlow\\Brindlow.exe" >/dev/null 2>&1 &
wait_for_window "Brindlow 1.0.0.0 (64-bit)" || fail "version A did not start"
answer_update_prompt || fail "version A offered no update"
wait_for_window "Brindlow 1.0.1.0 (64-bit)" || fail "version B does not run after the update"
wait_for_no_window "Brindlow 1.0.0.0 (64-bit)" || fail "version A still runs"
cmp <(unzip -p "$work/server/Brindlow/Brindlow.zip" Brindlow.exe) "$program_dir/Brindlow.exe" ||
  fail "the installed program is not version B"
end_program Brindlow.exe
wine "$program_dir/Uninstall.exe" /S
wait_until_gone "$program_dir/Brindlow.exe" || fail "the program was not uninstalled"

step "a portable copy unpacks the new version over itself and starts it"
portable="$WINEPREFIX/drive_c/brindlow-portable"
rm -rf "$portable"
mkdir -p "$portable"
unzip -q "$work/a/Brindlow.zip" -d "$portable"
# The update script's PowerShell and timeout, which Wine lacks.
export WINEPATH
WINEPATH="$(winepath -w "$BRINDLOW_WINDOWS_DIR/stand-ins")"
wine "C:\\brindlow-portable\\Brindlow.exe" >/dev/null 2>&1 &
wait_for_window "Brindlow 1.0.0.0 (64-bit) Portable" || fail "portable version A did not start"
answer_update_prompt || fail "portable version A offered no update"
wait_for_window "Brindlow 1.0.1.0 (64-bit) Portable" || fail "portable version B does not run"
cmp <(unzip -p "$work/server/Brindlow/Brindlow.zip" Brindlow.exe) "$portable/Brindlow.exe" ||
  fail "the portable program is not version B"
[ ! -e "$portable/Brindlow.zip" ] || fail "the archive was left beside the program"
end_program Brindlow.exe
rm -rf "$portable"
rm -f "$(settings_file)"

echo "release update: passed"
