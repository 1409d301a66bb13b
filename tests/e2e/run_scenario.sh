#!/usr/bin/env bash
# run_scenario.sh SCENARIO ZELTA_EXE DRIVER_EXE WORK_DIR QUILLET_EXE
# Runs one end-to-end scenario: a copy of a booted Wine prefix, a virtual display and the program in a folder of
# its own, all inside a private network namespace. Everything the scenario started ends with it.
set -euo pipefail
scenario="$1" zelta="$2" driver="$3" work="$4" quillet="$5"
root="$(cd "$(dirname "$0")/../.." && pwd)"

if [ "${ZELTA_IN_PRIVATE_NETWORK:-}" != 1 ]; then
  export ZELTA_IN_PRIVATE_NETWORK=1
  exec unshare -n "$0" "$@"
fi
source "$root/scripts/wine-env.sh"

# One booted prefix per build tree, made once and copied for every scenario.
base="$work/prefix-base"
mkdir -p "$work"
(
  flock 9
  if [ ! -f "$base/.ready" ]; then
    rm -rf "$base"
    make_prefix "$base" "$work/urls-base.log"
    touch "$base/.ready"
  fi
) 9>"$work/prefix.lock"

case_dir="$(mktemp -d "$work/$scenario.XXXXXX")"
export WINEPREFIX="$case_dir/prefix"
cleanup() {
  WINEPREFIX="$case_dir/prefix" wineserver -k >/dev/null 2>&1 || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  if [ "${KEEP_E2E:-}" != 1 ]; then rm -rf "$case_dir/prefix"; fi
}
trap cleanup EXIT
cp -a "$base" "$WINEPREFIX"
# The browser launcher of the copy logs into this case's folder.
sed -i "s#$work/urls-base.log#$case_dir/opened-addresses.log#" "$WINEPREFIX/log-url.sh" 2>/dev/null || true
sed -i "s#$base/log-url.sh#$WINEPREFIX/log-url.sh#" "$WINEPREFIX/user.reg"

app_dir="$case_dir/app"
artifacts="$case_dir/artifacts"
mkdir -p "$app_dir" "$artifacts"
cp "$zelta" "$app_dir/Zelta.exe"
cp "$driver" "$case_dir/zdriver.exe"
# The stand-ins for system programs, for scenarios that place them where the program looks.
cp -r "$(dirname "$driver")/helpers" "$case_dir/helpers"
# The real companion, for scenarios that place it beside the program (the helpers hold a stand-in of that name).
mkdir -p "$case_dir/companion"
cp "$quillet" "$case_dir/companion/Quillet.exe"

start_xvfb
wineserver -p >/dev/null 2>&1 </dev/null
status=0
driver_args=("$scenario" "$(unix_to_windows "$app_dir")" "$(unix_to_windows "$artifacts")")
wine "$case_dir/zdriver.exe" "${driver_args[@]}" >"$case_dir/driver.log" 2>"$case_dir/wine.log" </dev/null || status=$?  # unshare -n above
cat "$case_dir/driver.log"
for bmp in "$artifacts"/*.bmp; do
  [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
[ -n "$(ls -A "$artifacts")" ] && echo "artifacts: $artifacts"
exit "$status"
