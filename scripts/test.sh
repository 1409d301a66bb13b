#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, then the end-to-end tests of the real Zelta.exe
# under Wine (each in a private network namespace on a virtual display).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
echo "== Unit tests"
(cd "$root/build/native" && ctest --output-on-failure -j "$(nproc)")
echo "== End-to-end tests"
(cd "$root/build/mingw" && ctest --output-on-failure)
