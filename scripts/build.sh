#!/usr/bin/env bash
# Builds the native core and its unit tests (build/native), Zelta.exe with its end-to-end driver (build/mingw), and
# the 32-bit Zelta.exe and Quillet.exe with a 32-bit driver for their smoke scenario (build/mingw32); then checks
# what the programs import: nothing Windows 7 lacks, and for the 32-bit build nothing Windows XP lacks.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"

cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build/native" -j "$jobs"
cmake -S "$root" -B "$root/build/mingw" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$root/build/mingw" -j "$jobs"
cmake -S "$root" -B "$root/build/mingw32" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" -DZELTA_E2E_SCENARIOS=first_steps >/dev/null
cmake --build "$root/build/mingw32" -j "$jobs" --target Zelta Quillet zdriver
"$root/scripts/check-imports.sh" --windows 7 "$root/build/mingw/Zelta.exe" "$root/build/mingw/Quillet.exe"
"$root/scripts/check-imports.sh" --windows xp "$root/build/mingw32/Zelta.exe" "$root/build/mingw32/Quillet.exe"
