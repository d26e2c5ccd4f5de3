# The Debian packages the builds, the tests and the program under Wine need.

BRINDLOW_PACKAGES=(
  cmake ninja-build g++ googletest python3 clang-format clang-tidy
  g++-mingw-w64-x86-64 libz-mingw-w64-dev
  wine wine64 fonts-wine
  # Wine's X11 driver loads these when present; without them windows draw poorly.
  libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1 libxinerama1 libxfixes3
  xvfb xauth x11-utils imagemagick
  # The release: the setup program, the portable archive, the signed manifest, the programs'
  # Authenticode signatures; Wine's cryptography and TLS use GnuTLS.
  nsis zip openssl osslsigncode libgnutls30
)

# Installs those of the given packages that are not installed yet (as root, or with sudo).
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends -o Dpkg::Use-Pty=0 "${missing[@]}"
}
