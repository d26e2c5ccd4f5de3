# The Debian packages the builds, the tests and the program under Wine need, and the commands
# the scripts and the tests call from each.

# One line per package: the package, then the commands of it that are called (none for a
# library, a font or sources). Installing the packages and checking the commands both read
# this table, so a command cannot be called without its package being installed.
BRINDLOW_TOOLS=(
  "cmake                 cmake ctest"
  "ninja-build           ninja"
  "g++                   gcc g++"
  "googletest"
  "python3               python3"
  "clang-format          clang-format"
  "clang-tidy            run-clang-tidy clang-tidy"
  "g++-mingw-w64-x86-64  x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-g++-posix
                         x86_64-w64-mingw32-windres x86_64-w64-mingw32-dlltool"
  "libz-mingw-w64-dev"
  "wine                  wine wineboot winecfg winepath wineserver"
  "wine64"
  "fonts-wine"
  # Wine's X11 driver loads these when present; without them windows draw poorly.
  "libxrender1" "libxrandr2" "libxi6" "libxcursor1" "libxcomposite1" "libxinerama1"
  "libxfixes3"
  "xvfb                  Xvfb"
  "x11-utils             xwininfo"
  "imagemagick           import"
  # The release: the setup program, the portable archive (made, and unpacked by the update
  # test), the signed manifest and the signed executables. Wine's cryptography and TLS use
  # GnuTLS.
  "nsis                  makensis"
  "zip                   zip"
  "unzip                 unzip"
  "openssl               openssl"
  "osslsigncode          osslsigncode"
  "libgnutls30"
  # Part of every Debian system; listed so that the check covers every command called.
  "coreutils             cat cp cut date dirname env head id mkdir mktemp nproc realpath rm
                         sha256sum sleep stat touch tr wc"
  "diffutils             cmp"
  "findutils             find"
  "grep                  grep"
  "sed                   sed"
  "libc-bin              locale"
  "dpkg                  dpkg-query"
)

# The packages of the table.
BRINDLOW_PACKAGES=()
for _brindlow_line in "${BRINDLOW_TOOLS[@]}"; do
  BRINDLOW_PACKAGES+=("${_brindlow_line%% *}")
done
unset _brindlow_line

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
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || die "installing ${missing[*]} needs root or sudo"
    sudo=(sudo)
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends -o Dpkg::Use-Pty=0 "${missing[@]}"
}

# Fails, naming them and their packages, when commands of the table cannot be found.
check_commands() {
  local line words command missing=()
  for line in "${BRINDLOW_TOOLS[@]}"; do
    read -r -d '' -a words <<<"$line" || true
    for command in "${words[@]:1}"; do
      command -v "$command" >/dev/null || missing+=("$command (from ${words[0]})")
    done
  done
  [ ${#missing[@]} -eq 0 ] || die "commands missing: ${missing[*]}"
}

# Installs what is missing of the table, then checks that every command of it is there.
ensure_tools() {
  ensure_packages "${BRINDLOW_PACKAGES[@]}"
  check_commands
}
