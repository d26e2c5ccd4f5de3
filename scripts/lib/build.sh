# Configures (once) and builds the native and the Windows configurations.

# _configure_once DIR CMAKE-ARGS...: later builds re-run CMake by themselves when needed.
_configure_once() {
  local dir="$1"
  shift
  [ -f "$dir/build.ninja" ] && return 0
  log "configuring $dir"
  mkdir -p "$dir"
  cmake -S "$BRINDLOW_ROOT" -B "$dir" -G Ninja "$@" >"$dir/configure.log" 2>&1 ||
    { cat "$dir/configure.log" >&2; die "configuring $dir failed"; }
}

# _build DIR [TARGET...]: everything when no target is named.
_build() {
  local dir="$1" targets=()
  shift
  [ $# -gt 0 ] && targets=(--target "$@")
  log "building $dir"
  cmake --build "$dir" -j "$BRINDLOW_JOBS" "${targets[@]}"
}

# build_native [TARGET...]: Debug, with the sanitizers.
build_native() {
  _configure_once "$BRINDLOW_NATIVE_DIR" -DCMAKE_BUILD_TYPE=Debug
  _build "$BRINDLOW_NATIVE_DIR" "$@"
}

# build_windows [TARGET...]: Release, cross-compiled with mingw-w64. The CMake options in the
# array BRINDLOW_WINDOWS_OPTIONS (-DNAME=VALUE ...), when there are any, are applied first.
build_windows() {
  _configure_once "$BRINDLOW_WINDOWS_DIR" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$BRINDLOW_ROOT/cmake/mingw-w64.cmake"
  if [ -n "${BRINDLOW_WINDOWS_OPTIONS[*]:-}" ]; then
    cmake -S "$BRINDLOW_ROOT" -B "$BRINDLOW_WINDOWS_DIR" "${BRINDLOW_WINDOWS_OPTIONS[@]}" \
      >"$BRINDLOW_WINDOWS_DIR/configure.log" 2>&1 ||
      { cat "$BRINDLOW_WINDOWS_DIR/configure.log" >&2; die "configuring with options failed"; }
  fi
  _build "$BRINDLOW_WINDOWS_DIR" "$@"
}
