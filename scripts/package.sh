#!/usr/bin/env bash
# package.sh [--no-build]: builds both architectures (unless told not to) and makes dist/ with one zip per
# architecture, VokTarvex-<version>-win64.zip and VokTarvex-<version>-win32.zip, each holding Zelta.exe, Quillet.exe,
# README.txt (for Windows users, CR LF) and SHA256SUMS.txt; dist/SHA256SUMS.txt holds the zips' own checksums.
# The version is the one the executables' version resource carries (assets/version.h); the programs' manifests and
# version texts must say the same.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" != --no-build ]; then
  "$root/scripts/setup.sh"
  "$root/scripts/build.sh"
fi

dist="$root/dist"
version="$("$root/scripts/exe-version.sh" "$root/build/mingw/Zelta.exe")"

# The same version in every place of each executable: fixed file information, version texts, manifest identity.
utf16() { printf '%s' "$1" | sed 's/\./\\./g; s/./&\\x00/g; s/\\\\x00/\\/g'; }
check_version() {
  local exe="$1" name="$2"
  [ "$("$root/scripts/exe-version.sh" "$exe")" = "$version" ] ||
    { echo "package.sh: $exe is not version $version" >&2; return 1; }
  LC_ALL=C grep -qaF "name=\"VokCORP.VokTarvex.$name\" version=\"$version\"" "$exe" ||
    { echo "package.sh: the manifest of $exe does not say version $version" >&2; return 1; }
  LC_ALL=C grep -qaP "F\x00i\x00l\x00e\x00V\x00e\x00r\x00s\x00i\x00o\x00n\x00\x00\x00(\x00\x00)?$(utf16 "$version")\x00\x00" \
    "$exe" || { echo "package.sh: the version text of $exe is not $version" >&2; return 1; }
}

readme_note() {
  case "$1" in
    win64) cat <<'NOTE' ;;
This is the 64-bit build, for 64-bit Windows Vista, 7 and later. For 32-bit
Windows, or for Windows XP, take the 32-bit zip (win32) of the same version.
NOTE
    win32) cat <<'NOTE' ;;
This is the 32-bit build. It runs on 32-bit and 64-bit Windows: XP with
Service Pack 3, Vista, 7 and later. On Windows XP the banner picture at the
top of the window needs the Windows Imaging Component (it comes with .NET
Framework 3.0 or later, or as a download of its own from Microsoft); without
it the banner stays empty.
NOTE
  esac
}

# Lines of text as Windows' own programs (Notepad on XP too) expect them: CR LF.
crlf() { sed 's/\r$//; s/$/\r/'; }

rm -rf "$dist"
mkdir -p "$dist"
for pair in win64:mingw:64 win32:mingw32:32; do
  IFS=: read -r arch tree bits <<<"$pair"
  stage="$dist/.stage-$arch"
  mkdir -p "$stage"
  for name in Zelta Quillet; do
    check_version "$root/build/$tree/$name.exe" "$name"
    cp "$root/build/$tree/$name.exe" "$stage/$name.exe"
  done
  NOTE="$(readme_note "$arch")" VERSION="$version" WINDOWS="$bits-bit Windows" awk '
    $0 == "@BUILD_NOTE@" { print ENVIRON["NOTE"]; next }
    { gsub(/@VERSION@/, ENVIRON["VERSION"]); gsub(/@WINDOWS@/, ENVIRON["WINDOWS"]); print }' \
    "$root/docs/README-windows.txt" | crlf >"$stage/README.txt"
  (cd "$stage" && sha256sum Zelta.exe Quillet.exe README.txt | crlf >SHA256SUMS.txt)
  zip="VokTarvex-$version-$arch.zip"
  (cd "$stage" && zip -q -X "$dist/$zip" Zelta.exe Quillet.exe README.txt SHA256SUMS.txt)
  rm -rf "$stage"
  echo "$dist/$zip"
done
(cd "$dist" && sha256sum ./*.zip | sed 's# \./# #' | crlf >SHA256SUMS.txt)
