# The Authenticode signature of the programs a user runs (Brindlow.exe, the setup program and
# its uninstaller), by which Windows names their maker, from the maker's code-signing
# certificate. Named only while signing, like the release key:
#
#   BRINDLOW_CODESIGN_CERT      the certificate (PEM; the CA's intermediates may follow it)
#   BRINDLOW_CODESIGN_KEY       its private key (PEM)
#   BRINDLOW_CODESIGN_PASSWORD  the key's pass phrase, when it has one
#   BRINDLOW_CODESIGN_TIMESTAMP the address of an RFC 3161 time-stamp server; without it the
#                               signatures carry no time stamp and end with the certificate

codesign_requested() { [ -n "${BRINDLOW_CODESIGN_CERT:-}${BRINDLOW_CODESIGN_KEY:-}" ]; }

# check_codesign_identity: stops unless the certificate and its key can sign now.
check_codesign_identity() {
  local cert="${BRINDLOW_CODESIGN_CERT:-}" key="${BRINDLOW_CODESIGN_KEY:-}"
  if [ -z "$cert" ] || [ -z "$key" ]; then
    die "BRINDLOW_CODESIGN_CERT and BRINDLOW_CODESIGN_KEY name no code-signing certificate and key"
  fi
  [ -r "$cert" ] || die "cannot read the code-signing certificate $cert"
  [ -r "$key" ] || die "cannot read the code-signing key $key"
  # The pass phrase reaches openssl through the environment and osslsigncode through a pipe,
  # never through a command line; an empty one (not a prompt) when the key has none.
  export BRINDLOW_CODESIGN_PASSWORD="${BRINDLOW_CODESIGN_PASSWORD:-}"
  local cert_public key_public
  cert_public="$(openssl x509 -in "$cert" -noout -pubkey 2>/dev/null)" ||
    die "$cert holds no certificate"
  key_public="$(openssl pkey -in "$key" -passin env:BRINDLOW_CODESIGN_PASSWORD -pubout \
    2>/dev/null)" ||
    die "cannot read the code-signing key $key (is BRINDLOW_CODESIGN_PASSWORD its pass phrase?)"
  [ "$cert_public" = "$key_public" ] ||
    die "the code-signing key is not the private half of the certificate's key"
  openssl x509 -in "$cert" -noout -checkend 0 >/dev/null ||
    die "the code-signing certificate has expired: sign with its successor"
  # Renewal takes the CA days: say so while there is time.
  if ! openssl x509 -in "$cert" -noout -checkend $((30 * 24 * 3600)) >/dev/null; then
    log "the code-signing certificate expires" \
      "$(openssl x509 -in "$cert" -noout -enddate | cut -d = -f 2): renew it"
  fi
}

# codesign_file FILE: FILE signed in place (SHA-256), time-stamped when a server is named.
# After check_codesign_identity.
codesign_file() {
  local file="$1" signed="$1.signing" options=()
  if [ -n "$BRINDLOW_CODESIGN_PASSWORD" ]; then
    options+=(-readpass /dev/fd/3)
  fi
  if [ -n "${BRINDLOW_CODESIGN_TIMESTAMP:-}" ]; then
    options+=(-ts "$BRINDLOW_CODESIGN_TIMESTAMP")
  fi
  rm -f "$signed"
  osslsigncode sign -certs "$BRINDLOW_CODESIGN_CERT" -key "$BRINDLOW_CODESIGN_KEY" -h sha256 \
    -n Brindlow "${options[@]}" -in "$file" -out "$signed" \
    3< <(printf '%s' "$BRINDLOW_CODESIGN_PASSWORD") >/dev/null ||
    { rm -f "$signed"; die "signing $file failed"; }
  mv -f "$signed" "$file"
}
