#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, the same again under AddressSanitizer and
# UndefinedBehaviorSanitizer, a few seconds of each fuzz target, then the end-to-end tests of the real Zelta.exe
# under Wine (each in a private network namespace on a virtual display), the smoke scenario of the 32-bit build under
# Wine's 32-bit support, and last the release: the zips of both architectures, checked against the tested programs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
echo "== Unit tests"
(cd "$root/build/native" && ctest --output-on-failure -j "$(nproc)")
echo "== Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build/asan" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
  -DZELTA_SANITIZE=ON >/dev/null
cmake --build "$root/build/asan" -j 2
(cd "$root/build/asan" && UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" ctest --output-on-failure -j "$(nproc)")
echo "== Fuzz targets"
"$root/scripts/fuzz.sh" 5
echo "== End-to-end tests"
(cd "$root/build/mingw" && ctest --output-on-failure)
echo "== Smoke run of the 32-bit build"
(cd "$root/build/mingw32" && ctest --output-on-failure)
echo "== Release"
"$root/scripts/package.sh" --no-build
"$root/scripts/check-dist.sh"
