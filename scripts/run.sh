#!/usr/bin/env bash
# Builds Zelta.exe (with its companion Quillet.exe) and runs it under Wine, in a private network namespace, from the project's own Wine prefix.
# On the user's display when there is one; otherwise on a virtual display, where it saves a screenshot.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ "${ZELTA_IN_PRIVATE_NETWORK:-}" != 1 ]; then
  "$root/scripts/setup.sh"
  "$root/scripts/build.sh"
  export ZELTA_IN_PRIVATE_NETWORK=1
  exec unshare -n "$0" "$@"
fi

source "$root/scripts/wine-env.sh"
run_dir="$root/build/run"
export WINEPREFIX="$root/build/wineprefix"
mkdir -p "$run_dir"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX (once)..."
  make_prefix "$WINEPREFIX" "$run_dir/opened-addresses.log"
fi
cp "$root/build/mingw/Zelta.exe" "$run_dir/Zelta.exe"   # its settings file Zelta.ini stays beside it
if [ ! -f "$WINEPREFIX/.demo-adapters" ]; then
  add_demo_adapters "$WINEPREFIX" && touch "$WINEPREFIX/.demo-adapters"
fi
# The companion beside it, as a user's folder holds it: applying a profile runs the commands without a console.
cp "$root/build/mingw/Quillet.exe" "$run_dir/Quillet.exe"

virtual=0
if [ -z "${DISPLAY:-}" ] || ! timeout 5 xdpyinfo >/dev/null 2>&1; then
  start_xvfb
  virtual=1
fi
wineserver -p >/dev/null 2>&1 </dev/null
cd "$run_dir"
if [ "$virtual" = 0 ]; then
  echo "Starting Zelta.exe on $DISPLAY (no network inside this namespace)."
  wine "$run_dir/Zelta.exe" >"$run_dir/wine.log" 2>&1 </dev/null  # inside unshare -n (re-exec above)
  wineserver -w
  exit 0
fi

wine "$run_dir/Zelta.exe" >"$run_dir/wine.log" 2>&1 </dev/null &  # inside unshare -n (re-exec above)
driver="$root/build/mingw/tests/e2e/zdriver.exe"
shot="$root/build/screenshots/run-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$(dirname "$shot")"
if wine "$driver" --screenshot "$(unix_to_windows "$shot.bmp")" >"$run_dir/driver.log" 2>&1 </dev/null; then
  convert "$shot.bmp" "$shot.png" && rm -f "$shot.bmp"
  echo "No display: Zelta.exe ran on the virtual display $DISPLAY. Screenshot: $shot.png"
else
  echo "Zelta.exe did not show its window; see $run_dir/driver.log" >&2
  cat "$run_dir/driver.log" >&2
fi
wineserver -k >/dev/null 2>&1 || true
kill "$XVFB_PID" 2>/dev/null || true
