# Shared by the scripts: paths, the project's Wine prefix, building both architectures.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BROCADE_BUILD:-$root/build}"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
jobs="$(nproc 2>/dev/null || echo 2)"

# Starts a persistent wineserver and Wine's services with their output detached, so no
# Wine helper process holds the output pipe of whatever runs the build or the tests.
start_wine() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 || true
  fi
  wineserver -p </dev/null >/dev/null 2>&1 &
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
}

configure_and_build() {  # arch, extra cmake arguments...
  local arch="$1"; shift
  cmake -S "$root" -B "$build/$arch" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DBROCADE_WINEPREFIX="$WINEPREFIX" "$@" >/dev/null
  cmake --build "$build/$arch" -j "$jobs"
}

# x86_64 runs here; i686 (for 32-bit hosts such as VB6) is built and linked, never run.
build_all() {
  configure_and_build x86_64
  configure_and_build i686 -DBROCADE_TLBNAME="$build/x86_64/bin/tlbname.exe"
}
