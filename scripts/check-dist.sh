#!/usr/bin/env bash
# check-dist.sh: checks what scripts/package.sh made in dist/: one zip per architecture named with the version of the
# tested executables, each holding exactly Zelta.exe, Quillet.exe, README.txt and SHA256SUMS.txt; the executables
# byte for byte those of build/mingw (64-bit) and build/mingw32 (32-bit); README.txt in CR LF lines; every checksum
# right.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dist="$root/dist"
version="$("$root/scripts/exe-version.sh" "$root/build/mingw/Zelta.exe")"
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
ok() { echo "ok   $*"; }

expected_dist="SHA256SUMS.txt VokTarvex-$version-win32.zip VokTarvex-$version-win64.zip"
actual_dist="$(cd "$dist" && ls -A | sort | xargs)"
[ "$actual_dist" = "$expected_dist" ] && ok "dist/ holds $actual_dist" || fail "dist/ holds $actual_dist"
(cd "$dist" && tr -d '\r' <SHA256SUMS.txt | sha256sum --quiet -c -) && ok "the zips' checksums" ||
  fail "the zips' checksums"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
for pair in win64:mingw win32:mingw32; do
  IFS=: read -r arch tree <<<"$pair"
  zip="$dist/VokTarvex-$version-$arch.zip"
  [ -f "$zip" ] || { fail "$zip is missing"; continue; }
  listed="$(unzip -Z1 "$zip" | sort | xargs)"
  [ "$listed" = "Quillet.exe README.txt SHA256SUMS.txt Zelta.exe" ] && ok "$arch zip holds $listed" ||
    fail "$arch zip holds $listed"
  mkdir -p "$unpacked/$arch"
  unzip -q "$zip" -d "$unpacked/$arch"
  for name in Zelta Quillet; do
    cmp -s "$unpacked/$arch/$name.exe" "$root/build/$tree/$name.exe" &&
      ok "$arch $name.exe is build/$tree/$name.exe ($(stat -c %s "$root/build/$tree/$name.exe") bytes)" ||
      fail "$arch $name.exe differs from build/$tree/$name.exe"
  done
  readme="$unpacked/$arch/README.txt"
  lines="$(wc -l <"$readme")"
  crlf_lines="$(grep -c $'\r$' "$readme" || true)"
  [ "$lines" -gt 0 ] && [ "$crlf_lines" = "$lines" ] && [ "$(tail -c2 "$readme" | od -An -tx1 | xargs)" = "0d 0a" ] &&
    ok "$arch README.txt: $lines lines, all ending in CR LF" || fail "$arch README.txt: $crlf_lines of $lines lines in CR LF"
  grep -qF "Vok Tarvex $version" "$readme" && ok "$arch README.txt names version $version" ||
    fail "$arch README.txt does not name version $version"
  (cd "$unpacked/$arch" && tr -d '\r' <SHA256SUMS.txt | sha256sum --quiet -c - &&
     [ "$(tr -d '\r' <SHA256SUMS.txt | awk '{print $2}' | sort | xargs)" = "Quillet.exe README.txt Zelta.exe" ]) &&
    ok "$arch SHA256SUMS.txt covers the other three files" || fail "$arch SHA256SUMS.txt"
done
echo "$failures failed"
[ "$failures" = 0 ]
