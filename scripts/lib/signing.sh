# The signed manifest of a release: the version and the size and SHA-256 of each file, signed
# with the maker's private key (ECDSA P-256), which the program checks with its built-in public
# key before it installs anything.

# raw_signature KEY FILE: the signature of FILE's bytes as the program reads it, r and s in 64
# hexadecimal digits each (OpenSSL writes them as a DER sequence of two integers).
raw_signature() {
  local integer
  openssl dgst -sha256 -sign "$1" "$2" | openssl asn1parse -inform DER |
    sed -n 's/.*INTEGER *://p' | while IFS= read -r integer; do
      integer="$(printf '%s' "$integer" | sed 's/^0*//')"
      printf '%64s' "$integer" | tr ' A-F' '0a-f'
    done
}

# write_manifest KEY VERSION FOLDER: FOLDER/manifest.txt for the release files in FOLDER.
write_manifest() {
  local key="$1" version="$2" folder="$3" body file
  body="$(mktemp)"
  {
    printf 'Brindlow release 1\n'
    printf 'version=%s\n' "$version"
    for file in Brindlow-setup.exe Brindlow.zip; do
      printf 'file=%s %s %s\n' "$file" "$(stat -c %s "$folder/$file")" \
        "$(sha256sum "$folder/$file" | cut -d ' ' -f 1)"
    done
  } >"$body"
  { cat "$body" && printf 'signature=%s\n' "$(raw_signature "$key" "$body")"; } \
    >"$folder/manifest.txt"
  rm -f "$body"
}
