# Shared by the scripts: paths, the project's Wine prefix, building both architectures.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BROCADE_BUILD:-$root/build}"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
jobs="$(nproc 2>/dev/null || echo 2)"

# One script at a time per build folder. Each one ends by stopping the prefix's Wine server,
# and a Wine process whose server goes away exits at once with status 0, its buffered output
# lost: a benchmark or test still running for another script would seem to pass.
lock_build() {
  mkdir -p "$build"
  exec 9>"$build/.scripts.lock"
  if ! flock -n 9; then
    echo "Waiting for another script that uses $build to finish..."
    flock 9
  fi
}

# Starts a persistent wineserver and Wine's services with their output detached, so no
# Wine helper process holds the output pipe of whatever runs the build or the tests. A server
# already running for the prefix (wineboot's own, or one left by an earlier run, perhaps
# without this display) stops first: while it runs, `wineserver -p` cannot start, and Wine's
# programs would run on a server that exits, with its services, whenever no program is left.
start_wine() {
  lock_build
  wine_started=1
  mkdir -p "$WINEPREFIX"
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 9>&- || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
  fi
  # Returns once the server holds the prefix; the server stays on as a daemon, and neither it
  # nor the services holds the lock.
  wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
  # The desktop's process, kept for the whole run: started by the first program that shows a
  # window, it would hold that program's output open until it exits again, a second or two
  # after each test.
  wine explorer.exe /desktop </dev/null >/dev/null 2>&1 9>&- &
  # No window manager runs on the virtual display, yet Wine would wait two seconds for one to
  # withdraw each top-level window it manages when the window is hidden or destroyed.
  grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null ||
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 9>&- || true
}

# Only a script that got as far as starting the server stops it (not one that was waiting).
stop_wine() {
  [ -n "${wine_started:-}" ] || return 0
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
