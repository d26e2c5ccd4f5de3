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

# self_signed_certificate CERT KEY NAME USAGE [OPENSSL-OPTION...]: a certificate for NAME, made
# for this run, for the extended key usage USAGE.
self_signed_certificate() {
  local cert="$1" key="$2" name="$3" usage="$4"
  shift 4
  openssl req -x509 -newkey rsa:2048 -days 90 -subj "/CN=$name" \
    -addext basicConstraints=critical,CA:FALSE -addext keyUsage=critical,digitalSignature \
    -addext "extendedKeyUsage=critical,$usage" -keyout "$key" -out "$cert" "$@" 2>/dev/null
}

# use_codesign_certificate FOLDER [PASS-PHRASE]: scripts/package signs the programs with a
# certificate and key made in FOLDER; the key is encrypted when a pass phrase is given.
use_codesign_certificate() {
  local encryption=(-noenc)
  [ -n "${2:-}" ] && encryption=(-passout env:BRINDLOW_CODESIGN_PASSWORD)
  export BRINDLOW_CODESIGN_PASSWORD="${2:-}"
  export BRINDLOW_CODESIGN_CERT="$1/codesign-cert.pem" BRINDLOW_CODESIGN_KEY="$1/codesign-key.pem"
  self_signed_certificate "$BRINDLOW_CODESIGN_CERT" "$BRINDLOW_CODESIGN_KEY" \
    "Brindlow test signer" codeSigning "${encryption[@]}"
}

# use_time_stamp_server FOLDER: scripts/package time-stamps its signatures at a server on
# 127.0.0.1 with a time-stamping certificate made in FOLDER, until the script ends.
time_stamp_cert=
use_time_stamp_server() {
  time_stamp_cert="$1/time-stamp-cert.pem"
  self_signed_certificate "$time_stamp_cert" "$1/time-stamp-key.pem" "Brindlow test time stamps" \
    timeStamping -noenc
  python3 "$BRINDLOW_ROOT/tests/release/TimeStampServer.py" "$time_stamp_cert" \
    "$1/time-stamp-key.pem" "$1/time-stamp-url" &
  on_exit "kill $!"
  wait_until test -f "$1/time-stamp-url" || fail "the time-stamp server did not start"
  export BRINDLOW_CODESIGN_TIMESTAMP
  BRINDLOW_CODESIGN_TIMESTAMP="$(cat "$1/time-stamp-url")"
}

# signed_by_us FILE: FILE carries an Authenticode signature (SHA-256) by the certificate of
# use_codesign_certificate, over its present content, and the time stamp of the server of
# use_time_stamp_server when there is one.
signed_by_us() {
  local report trusted=(-CAfile "$BRINDLOW_CODESIGN_CERT")
  [ -n "$time_stamp_cert" ] && trusted+=(-TSA-CAfile "$time_stamp_cert")
  report="$(osslsigncode verify "${trusted[@]}" -in "$1" 2>&1)" || return 1
  grep -q '^Message digest algorithm *: SHA256' <<<"$report" || return 1
  # osslsigncode accepts a signature whose time stamp it cannot verify.
  [ -z "$time_stamp_cert" ] ||
    grep -q '^Timestamp Server Signature verification: ok' <<<"$report"
}
