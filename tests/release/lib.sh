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

# use_codesign_certificate FOLDER [PASS-PHRASE]: a self-signed code-signing certificate and its
# key, made in FOLDER for this run, are the ones scripts/package signs the programs with; the key
# is encrypted when a pass phrase is given.
use_codesign_certificate() {
  local folder="$1" encryption=(-noenc)
  [ -n "${2:-}" ] && encryption=(-passout env:BRINDLOW_CODESIGN_PASSWORD)
  export BRINDLOW_CODESIGN_PASSWORD="${2:-}"
  export BRINDLOW_CODESIGN_CERT="$folder/codesign-cert.pem" BRINDLOW_CODESIGN_KEY="$folder/codesign-key.pem"
  openssl req -x509 -newkey rsa:2048 "${encryption[@]}" -days 90 -subj "/CN=Brindlow test signer" \
    -addext basicConstraints=critical,CA:FALSE -addext keyUsage=critical,digitalSignature \
    -addext extendedKeyUsage=codeSigning \
    -keyout "$BRINDLOW_CODESIGN_KEY" -out "$BRINDLOW_CODESIGN_CERT" 2>/dev/null
}

# signed_by_us FILE: FILE carries an Authenticode signature (SHA-256) by the certificate of
# use_codesign_certificate, over its present content.
signed_by_us() {
  local report
  report="$(osslsigncode verify -CAfile "$BRINDLOW_CODESIGN_CERT" -in "$1" 2>&1)" || return 1
  grep -q '^Message digest algorithm *: SHA256' <<<"$report"
}
