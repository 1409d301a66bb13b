#!/usr/bin/env bash
# check-imports.sh [--windows xp|7] EXE...
# Reads each executable's import table (objdump -p) and fails when it imports a DLL that is not Windows' own, or a
# DLL or function that the named Windows (7 by default) lacks: scripts/imports-newer.txt lists the functions newer
# than XP that a MinGW-w64 build could import, with the first Windows that has each. Prints each executable's
# format, size and imported DLLs (with the number of functions taken from each).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
objdump=x86_64-w64-mingw32-objdump  # reads 32-bit and 64-bit images alike
target=7
if [ "${1:-}" = --windows ]; then target="$2"; shift 2; fi

rank() {
  case "$1" in xp) echo 0 ;; vista) echo 1 ;; 7) echo 2 ;; 8) echo 3 ;; 10) echo 4 ;; *) echo 99 ;; esac
}
limit="$(rank "$target")"
[ "$limit" != 99 ] || { echo "check-imports.sh: unknown Windows '$target' (xp or 7)" >&2; exit 2; }

# Windows' own DLLs that the programs may import, with the first Windows that ships each by default.
declare -A dll_since=(
  [kernel32.dll]=xp [user32.dll]=xp [gdi32.dll]=xp [advapi32.dll]=xp [comctl32.dll]=xp [comdlg32.dll]=xp
  [ole32.dll]=xp [oleaut32.dll]=xp [shell32.dll]=xp [shlwapi.dll]=xp [msvcrt.dll]=xp [msimg32.dll]=xp
  [wininet.dll]=xp [version.dll]=xp [ws2_32.dll]=xp [winmm.dll]=xp [uxtheme.dll]=xp [iphlpapi.dll]=xp
  [windowscodecs.dll]=vista [dwmapi.dll]=vista)
declare -A function_since=()
while read -r name since; do
  [ -n "$name" ] && [ "${name:0:1}" != "#" ] && function_since[$name]="$since"
done <"$root/scripts/imports-newer.txt"

status=0
for exe in "$@"; do
  dump="$("$objdump" -p "$exe")"
  format="$(sed -n 's/.*file format //p' <<<"$dump" | head -n1)"
  echo "$exe: $format, $(stat -c %s "$exe") bytes; imports for Windows $target:"
  # "DLL Name: X" opens a DLL's block; its functions are lines "<tab><vma><tab> <hint>  <name>".
  imports="$(awk '/DLL Name:/ { dll = $3; next } /^$/ { dll = "" }
                  dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ { print dll, $3 }' <<<"$dump")"
  if [ -z "$imports" ]; then echo "  no import table found" >&2; status=1; continue; fi
  while read -r count dll; do
    echo "  $dll ($count)"
    since="${dll_since[${dll,,}]:-}"
    if [ -z "$since" ]; then
      echo "  FORBIDDEN: $dll is not one of Windows' own DLLs" >&2; status=1
    elif (($(rank "$since") > limit)); then
      echo "  FORBIDDEN: Windows $target has no $dll (from Windows $since on)" >&2; status=1
    fi
  done < <(cut -d' ' -f1 <<<"$imports" | uniq -c)
  while read -r dll name; do
    since="${function_since[$name]:-}"
    if [ -n "$since" ] && (($(rank "$since") > limit)); then
      echo "  FORBIDDEN: Windows $target lacks $dll $name (from Windows $since on)" >&2; status=1
    fi
  done <<<"$imports"
done
exit "$status"
