#!/usr/bin/env bash
# Installs what building, running and testing need, only what is missing (Debian 12, as root).
set -euo pipefail

# clang-14 with libclang-rt-14-dev (libFuzzer and the sanitizer runtimes) builds the fuzz targets and the
# sanitizer run of the unit tests.
packages=(cmake make g++ libgtest-dev g++-mingw-w64-x86-64-posix wine wine64 xvfb x11-utils imagemagick
          clang-14 libclang-rt-14-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
