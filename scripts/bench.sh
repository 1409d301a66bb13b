#!/usr/bin/env bash
# Builds everything and prints the benchmark figures: start-up against three yardsticks (a bare window, one with the
# manifest, the form's windows with nothing behind them), idle CPU while hidden to the tray, settings-file I/O per
# user action, the sizes and imports of the two programs, and the time an activation
# takes from the click to the verdict, besides netsh's own.
#   scripts/bench.sh [--rounds N] [--idle-seconds S] [--profiles P] [--zelta EXE]
# Defaults: 15 rounds, 60 s, no settings file. --profiles starts Zelta.exe with P stored profiles (at most 20) in its
# settings file; --zelta times another build of Zelta.exe (an older commit's, to compare) against the same bare window.
# Figures only: nothing here passes or fails on speed. The Windows programs run under Wine inside a private
# network namespace, on a virtual display, in the benchmark's own Wine prefix (build/bench/prefix).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
rounds=15 idle=60 profiles=0 zelta="$root/build/mingw/Zelta.exe"
while [ $# -gt 0 ]; do
  case "$1" in
    --rounds) rounds="$2"; shift 2 ;;
    --idle-seconds) idle="$2"; shift 2 ;;
    --profiles) profiles="$2"; shift 2 ;;
    --zelta) zelta="$(realpath "$2")"; shift 2 ;;
    *) echo "usage: $0 [--rounds N] [--idle-seconds S] [--profiles P] [--zelta EXE]" >&2; exit 2 ;;
  esac
done

if [ "${ZELTA_IN_PRIVATE_NETWORK:-}" != 1 ]; then
  "$root/scripts/setup.sh"
  "$root/scripts/build.sh" >/dev/null
  cpu="$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)"
  echo "== Machine: $(nproc) cores, $cpu, $(wine --version 2>/dev/null)"
  echo "== Settings-file I/O"
  "$root/build/native/bench/settings_io_bench"
  echo "== Sizes and imports"
  # DLLs that come with every Windows (msvcrt.dll included); anything else would have to ship with the program.
  system_dlls='kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|shlwapi|windowscodecs|msimg32'
  system_dlls+='|wininet|ws2_32|msvcrt|version|uxtheme|iphlpapi'
  for exe in Zelta Quillet; do
    file="$root/build/mingw/$exe.exe"
    [ "$exe" = Zelta ] && file="$zelta"
    size=$(stat -c %s "$file")
    dlls=$(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -f | tr '\n' ' ')
    foreign=$(printf '%s\n' $dlls | grep -viE "^($system_dlls)\.dll$" || true)
    printf '%s.exe: %d bytes (%.2f MiB; goal: at most 1 MiB), imports: %s%s\n' "$exe" "$size" \
      "$(awk -v s="$size" 'BEGIN { print s / 1048576 }')" "$dlls" "${foreign:+ NOT A SYSTEM DLL: $foreign}"
  done
  export ZELTA_IN_PRIVATE_NETWORK=1
  exec unshare -n "$0" --rounds "$rounds" --idle-seconds "$idle" --profiles "$profiles" --zelta "$zelta"
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
# Each program in a folder of its own; Zelta.exe with the settings file of a user with that many profiles.
mkdir -p "$work/zelta" "$work/bare"
rm -f "$work/zelta/Zelta.ini"
if [ "$profiles" -gt 0 ]; then
  {
    printf '[Zelta Settings]\r\n#_profiles=%d\r\nlast_pai=0\r\n' "$profiles"
    for n in $(seq 1 "$profiles"); do
      printf '[Profile%d]\r\nprofile_name=Site %d - Local Area Connection\r\nIP=10.0.0.%d\r\n' "$n" "$n" "$n"
      printf 'SM=255.255.255.0\r\nGW=10.0.0.254\r\nDNS1=10.0.0.253\r\nDNS2=0.0.0.0\r\nproxy_IP=0.0.0.0\r\n'
      printf 'proxy_port=\r\nuse_ip=user\r\nuse_dns=user\r\nuse_proxy=0\r\nkill_browsers=0\r\nprofile_applied=0\r\n'
    done
  } >"$work/zelta/Zelta.ini"
fi
cp "$zelta" "$work/zelta/Zelta.exe"
cp "$root/build/mingw/bench/zbare.exe" "$work/bare/Bare.exe"
mkdir -p "$work/bare6" "$work/form"
cp "$root/build/mingw/bench/zbare6.exe" "$work/bare6/Bare.exe"
cp "$root/build/mingw/bench/zform.exe" "$work/form/Form.exe"
cp "$root/build/mingw/bench/zbench.exe" "$work/zbench.exe"

# The activation benchmark's folder, adapter and netsh stand-in; prepared before the server is kept running, since
# preparing the registry waits for the server to end.
act="$work/activation"
mkdir -p "$act"
cp "$zelta" "$act/Zelta.exe"
cp "$root/build/mingw/Quillet.exe" "$act/Quillet.exe"
{
  printf '[Zelta Settings]\r\n#_profiles=2\r\n'
  for n in 1 2; do
    printf '[Profile%d]\r\nprofile_name=Site %d - Local Area Connection\r\nIP=192.168.1.%d\r\n' "$n" "$n" "$((20 + n))"
    printf 'SM=255.255.255.0\r\nGW=192.168.1.1\r\nDNS1=192.168.1.1\r\nDNS2=8.8.4.4\r\nproxy_IP=0.0.0.0\r\n'
    printf 'proxy_port=\r\nuse_ip=user\r\nuse_dns=user\r\nuse_proxy=0\r\nkill_browsers=0\r\nprofile_applied=0\r\n'
  done
} >"$act/Zelta.ini"
add_demo_adapters "$WINEPREFIX"
# "Local Area Connection" is a real interface of this namespace, which Wine's IP helper reports (its adapter key is
# a GUID made from the interface index): it holds both profiles' addresses and the gateway already, so that the
# verdict's live check finds the asked address in use at its first look, as after a switch that took at once.
ip link add zb0 type veth peer name zb1
ip link set zb1 up
ip link set zb0 up
ip addr add 192.168.1.21/24 dev zb0
ip addr add 192.168.1.22/24 dev zb0
ip route add default via 192.168.1.1 dev zb0
live_key="$(printf '{%08X-0000-0000-0000-4E6574446576}' "$(ip -o link show zb0 | cut -d: -f1)")"
network='HKLM\SYSTEM\CurrentControlSet\Control\Network\{4D36E972-E325-11CE-BFC1-08002BE10318}'
demo_key='{8A1D2C40-0001-4E5B-9C1A-1D2E3F405060}'
reg_add() { WINEPREFIX="$WINEPREFIX" wine reg add "$@" /f >/dev/null 2>&1; }  # inside unshare -n (re-exec above)
reg_add "$network\\$demo_key\\Connection" /v Name /d "Demonstration Connection"
reg_add "HKLM\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Adapters\\$live_key"
reg_add "$network\\$live_key\\Connection" /v Name /d "Local Area Connection"
WINEPREFIX="$WINEPREFIX" wineserver -w
# The stand-in takes the place of Wine's own netsh in this prefix only (WINEDLLOVERRIDES names it native).
system32="$WINEPREFIX/drive_c/windows/system32"
cp "$root/build/mingw/tests/e2e/helpers/netsh.exe" "$system32/netsh.exe"
rm -f "$system32/netsh.log" "$system32/netsh.start.log" "$system32/netsh.console.log"
printf 'apply\r\n192.168.1.57\r\n' >"$system32/netsh-registry.txt"
start_xvfb
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
wineserver -p >/dev/null 2>&1 </dev/null
# The desktop and its taskbar start with the first program; this warms the server before anything is timed.
wine cmd /c exit >/dev/null 2>&1 </dev/null || true  # inside unshare -n (re-exec above)
echo "== Start-up and idle (Wine, virtual display, private network namespace; $profiles stored profiles)"
status=0
# The yardsticks: a bare window, a bare window with the program's manifest and common controls, and the program's
# windows made from the form's table with nothing behind them.
startup=("$(unix_to_windows "$work/zelta/Zelta.exe")" "$(unix_to_windows "$work/bare/Bare.exe")"
  --also "$(unix_to_windows "$work/bare6/Bare.exe")" --also "$(unix_to_windows "$work/form/Form.exe")"
  --rounds "$rounds" --idle-seconds "$idle")
wine "$work/zbench.exe" "${startup[@]}" >"$work/zbench.log" 2>"$work/wine.log" </dev/null || status=$?  # inside unshare -n (re-exec above)
cat "$work/zbench.log"

echo "== Activation (instant netsh stand-in in the system folder, the companion beside the program)"
activation=("$(unix_to_windows "$act/Zelta.exe")" 'C:\windows\system32\netsh.exe' --rounds "$rounds")
wine "$root/build/mingw/bench/zactbench.exe" "${activation[@]}" >"$work/zactbench.log" 2>>"$work/wine.log" </dev/null || status=$?  # inside unshare -n (re-exec above)
cat "$work/zactbench.log"
exit "$status"
