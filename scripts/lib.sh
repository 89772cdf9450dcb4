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
  # The desktop's process, kept for the whole run: started by the first program that shows a
  # window, it would hold that program's output open until it exits again, a second or two
  # after each test.
  wine explorer.exe /desktop </dev/null >/dev/null 2>&1 &
  # No window manager runs on the virtual display, yet Wine would wait two seconds for one to
  # withdraw each top-level window it manages when the window is hidden or destroyed.
  grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null ||
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
}

stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
}

configure() {  # arch, extra cmake arguments...
  local arch="$1"; shift
  local launcher=()
  # A compiler cache, where the machine has one, only saves time: the build is the same.
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$root" -B "$build/$arch" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DBROCADE_WINEPREFIX="$WINEPREFIX" "${launcher[@]}" "$@" >/dev/null
}

configure_and_build() {  # arch, extra cmake arguments...
  configure "$@"
  cmake --build "$build/$1" -j "$jobs"
}

# x86_64 runs here; i686 (for 32-bit hosts such as VB6) builds what ships, and is never run.
build_all() {
  configure_and_build x86_64
  configure i686 -DBROCADE_TLBNAME="$build/x86_64/bin/tlbname.exe"
  cmake --build "$build/i686" -j "$jobs" --target Brocade BrocadeRes
}
