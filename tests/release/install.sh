#!/usr/bin/env bash
# The setup program under Wine, as a user and the updater run it: a silent install that starts
# the program, a second install over the running program (closed first, its settings stored),
# and the uninstaller, which removes what was installed and leaves the user's settings and
# language files. The programs are signed and time-stamped with certificates made for this run,
# and a release is not made while a key is missing or wrong. Run by CTest after scripts/test has
# built, made the Wine prefix and started its display and server.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
source "$BRINDLOW_ROOT/scripts/lib/wine.sh"
source "$BRINDLOW_ROOT/tests/release/lib.sh"

release="$(mktemp -d)"
on_exit "rm -rf '$release'"
keys="$(mktemp -d)"
on_exit "rm -rf '$keys'"
openssl genrsa -out "$keys/other-key.pem" 2048 2>/dev/null
use_codesign_certificate "$keys" "pass phrase of this run"
use_time_stamp_server "$keys"

# refuses WHY MESSAGE OPTION [NAME=VALUE...]: with only the keys named in NAME=VALUE, and OPTION
# (--unsigned or nothing), scripts/package makes no release and says MESSAGE.
refuses() {
  local why="$1" message="$2" options="$3"
  shift 3
  if env -u BRINDLOW_SIGNING_KEY -u BRINDLOW_CODESIGN_CERT -u BRINDLOW_CODESIGN_KEY \
    -u BRINDLOW_CODESIGN_PASSWORD "$@" "$BRINDLOW_ROOT/scripts/package" --out "$release" \
    ${options:+"$options"} >/dev/null 2>"$keys/said"; then
    fail "a release was made with $why"
  fi
  grep -qF "$message" "$keys/said" || fail "with $why: $(cat "$keys/said")"
}
step "no release is made while a key is missing or wrong"
cert="BRINDLOW_CODESIGN_CERT=$BRINDLOW_CODESIGN_CERT"
key="BRINDLOW_CODESIGN_KEY=$BRINDLOW_CODESIGN_KEY"
pass="BRINDLOW_CODESIGN_PASSWORD=$BRINDLOW_CODESIGN_PASSWORD"
refuses "no release key" "BRINDLOW_SIGNING_KEY names no" "" "$cert" "$key" "$pass"
refuses "no code-signing certificate" "name no code-signing" "" \
  "BRINDLOW_SIGNING_KEY=$keys/other-key.pem"
refuses "a certificate without its key" "name no code-signing" --unsigned "$cert"
refuses "another key than the certificate's" "not the private half of the certificate" \
  --unsigned "$cert" "BRINDLOW_CODESIGN_KEY=$keys/other-key.pem"
refuses "a wrong pass phrase" "cannot read the code-signing key" --unsigned "$cert" "$key" \
  "BRINDLOW_CODESIGN_PASSWORD=wrong"
[ -z "$(ls -A "$release")" ] || fail "a refused release left files"

# Without a release key: the built program trusts the maker's, which no test holds.
"$BRINDLOW_ROOT/scripts/package" --out "$release" --unsigned >/dev/null
signed_by_us "$release/Brindlow-setup.exe" ||
  fail "the setup program is not signed and time-stamped"
version="$(cat "$release/version.txt")"
title="Brindlow $version (64-bit)"

program_dir="$WINEPREFIX/drive_c/Program Files/Brindlow"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brindlow.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brindlow'
on_exit "end_program Brindlow.exe"

step "a silent install with the start task starts the installed program"
wine "$release/Brindlow-setup.exe" /SILENT /SUPPRESSMSGBOXES /LANG= '/MERGETASKS="runcmd1"'
cmp <(unzip -p "$release/Brindlow.zip" Brindlow.exe) "$program_dir/Brindlow.exe" ||
  fail "the program was not installed"
signed_by_us "$program_dir/Brindlow.exe" ||
  fail "the installed program is not signed and time-stamped"
signed_by_us "$program_dir/Uninstall.exe" ||
  fail "the installed uninstaller is not signed and time-stamped"
[ -f "$shortcut" ] || fail "no Start-menu entry"
[ "$(registry_value "$uninstall_key" DisplayVersion)" = "$version" ] ||
  fail "the uninstall entry does not name $version"
wait_for_window "$title" || fail "the installed program did not start"

step "installing again closes the running program first, which stores its settings"
settings="$(settings_file)"
rm -f "$settings"
wine "$release/Brindlow-setup.exe" /SILENT /CLOSEAPPLICATIONS /SUPPRESSMSGBOXES
wait_for_no_window "$title" || fail "the running program was not closed"
settings="$(settings_file)"
[ -f "$settings" ] || fail "the closed program did not store its settings"

step "the uninstaller removes what was installed and nothing of the user's"
mkdir -p "$program_dir/Language"
printf '[Language information]\r\nLANGNAME=Mine\r\n' >"$program_dir/Language/Mine.ini"
wine "$program_dir/Uninstall.exe" /S
wait_until_gone "$program_dir/Brindlow.exe" || fail "the program was not removed"
wait_until_gone "$program_dir/Uninstall.exe" || fail "the uninstaller was not removed"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left"
[ -z "$(registry_value "$uninstall_key" DisplayVersion)" ] || fail "the uninstall entry is left"
[ -f "$program_dir/Language/Mine.ini" ] || fail "a language file of the user's was removed"
[ "$(find "$program_dir" -type f | wc -l)" -eq 1 ] || fail "installed files are left"
[ -f "$settings" ] || fail "the user's settings were removed"
rm -rf "$program_dir"
rm -f "$settings"

echo "release install: passed"
