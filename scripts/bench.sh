#!/usr/bin/env bash
# Builds everything and prints the four benchmark figures: start-up against a bare window, idle CPU while hidden
# to the tray, settings-file I/O per user action, and the sizes and imports of the two programs.
#   scripts/bench.sh [--pairs N] [--idle-seconds S] [--zelta EXE]     (defaults: 15 pairs, 60 s, this build's)
# --zelta times another build of Zelta.exe (an older commit's, to compare) against the same bare window.
# Figures only: nothing here passes or fails on speed. The Windows programs run under Wine inside a private
# network namespace, on a virtual display, in the benchmark's own Wine prefix (build/bench/prefix).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
pairs=15 idle=60 zelta="$root/build/mingw/Zelta.exe"
while [ $# -gt 0 ]; do
  case "$1" in
    --pairs) pairs="$2"; shift 2 ;;
    --idle-seconds) idle="$2"; shift 2 ;;
    --zelta) zelta="$(realpath "$2")"; shift 2 ;;
    *) echo "usage: $0 [--pairs N] [--idle-seconds S] [--zelta EXE]" >&2; exit 2 ;;
  esac
done

if [ "${ZELTA_IN_PRIVATE_NETWORK:-}" != 1 ]; then
  "$root/scripts/setup.sh"
  "$root/scripts/build.sh" >/dev/null
  echo "== Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1), $(wine --version 2>/dev/null)"
  echo "== Settings-file I/O"
  "$root/build/native/bench/settings_io_bench"
  echo "== Sizes and imports"
  for exe in Zelta Quillet; do
    file="$root/build/mingw/$exe.exe"
    size=$(stat -c %s "$file")
    dlls=$(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -f | tr '\n' ' ')
    foreign=$(printf '%s\n' $dlls | grep -viE '^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|shlwapi|windowscodecs|msimg32|wininet|ws2_32|msvcrt|version|uxtheme|iphlpapi|api-ms-win-.*)\.dll$' || true)
    printf '%s.exe: %d bytes (%.2f MiB; goal: at most 1 MiB), imports: %s%s\n' "$exe" "$size" \
      "$(awk -v s="$size" 'BEGIN { print s / 1048576 }')" "$dlls" "${foreign:+ NOT A SYSTEM DLL: $foreign}"
  done
  export ZELTA_IN_PRIVATE_NETWORK=1
  exec unshare -n "$0" --pairs "$pairs" --idle-seconds "$idle" --zelta "$zelta"
fi

source "$root/scripts/wine-env.sh"
work="$root/build/bench"
export WINEPREFIX="$work/prefix"
mkdir -p "$work"
if [ ! -f "$WINEPREFIX/.ready" ]; then
  echo "Creating the benchmark's Wine prefix (once)..."
  rm -rf "$WINEPREFIX"
  make_prefix "$WINEPREFIX" "$work/opened-addresses.log"
  touch "$WINEPREFIX/.ready"
fi
# Each program in a folder of its own (Zelta.exe finds no settings file: it starts with no profile).
mkdir -p "$work/zelta" "$work/bare"
rm -f "$work/zelta/Zelta.ini"
cp "$zelta" "$work/zelta/Zelta.exe"
cp "$root/build/mingw/bench/zbare.exe" "$work/bare/Bare.exe"
cp "$root/build/mingw/bench/zbench.exe" "$work/zbench.exe"

start_xvfb
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
wineserver -p >/dev/null 2>&1 </dev/null
# The desktop and its taskbar start with the first program; this warms the server before anything is timed.
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
echo "== Start-up and idle (Wine, virtual display, private network namespace)"
status=0
wine "$work/zbench.exe" "$(unix_to_windows "$work/zelta/Zelta.exe")" "$(unix_to_windows "$work/bare/Bare.exe")" \
  --pairs "$pairs" --idle-seconds "$idle" >"$work/zbench.log" 2>"$work/wine.log" </dev/null || status=$?
cat "$work/zbench.log"
exit "$status"
