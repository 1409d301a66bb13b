#!/usr/bin/env bash
# Installs what building, running and testing need, only what is missing (Debian 12, as root).
set -euo pipefail

# clang-14 with libclang-rt-14-dev (libFuzzer and the sanitizer runtimes) builds the fuzz targets and the
# sanitizer run of the unit tests. The 32-bit build needs MinGW-w64's i686 compiler and, to run it, Wine's 32-bit
# half (wine32 from Debian's i386 architecture); zip makes the release archives.
packages=(cmake make g++ libgtest-dev g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 wine32:i386
          xvfb x11-utils imagemagick clang-14 libclang-rt-14-dev zip)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  # apt may be busy with another install on a shared machine: wait for its lock rather than fail.
  apt-get -o DPkg::Lock::Timeout=600 update -qq
  apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
