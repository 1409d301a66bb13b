#!/usr/bin/env bash
# release_scripts_test.sh ZELTA_EXE QUILLET_EXE: the release scripts given the built programs and copies of them
# made wrong on purpose. check-imports.sh passes the programs and refuses one that imports a DLL that is not
# Windows' own; package.sh packs the programs and refuses a set in which one place says another version.
# Everything happens in a scratch folder; prints one line per case and fails when any case fails.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
zelta="$1" quillet="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL $1"; failures=$((failures + 1)); }

# expect NAME STATUS TEXT COMMAND...: the command ends with that status and, when TEXT is given, prints it.
expect() {
  local name="$1" status="$2" text="$3"
  shift 3
  local output code
  output="$("$@" 2>&1)"
  code=$?
  if [ "$code" = "$status" ] && { [ -z "$text" ] || grep -qF -- "$text" <<<"$output"; }; then
    echo "ok   $name"
  else
    echo "FAIL $name: exit $code (expected $status), output:"
    sed 's/^/    /' <<<"$output"
    failures=$((failures + 1))
  fi
}

# A copy of the file with every occurrence of one text replaced by another of the same length, as bytes or, with
# WIDE=1, as UTF-16 (the version resource's texts).
patched() {
  local from="$1" to="$2" source="$3" target="$4"
  FROM="$from" TO="$to" WIDE="${WIDE:-0}" perl -0777 -pe '
    BEGIN { ($f, $t) = map { $ENV{WIDE} ? join("", map { "$_\0" } split //) : $_ } ($ENV{FROM}, $ENV{TO}) }
    s/\Q$f\E/$t/g' "$source" >"$target"
  ! cmp -s "$source" "$target"
}

# check-imports.sh
patched USER32.dll VENDOR.dll "$quillet" "$scratch/Foreign.exe" || fail "the copy imports no USER32.dll"
expect "check-imports.sh passes both programs" 0 "" "$root/scripts/check-imports.sh" "$zelta" "$quillet"
expect "check-imports.sh refuses a DLL that is not Windows' own" 1 \
  "FORBIDDEN: VENDOR.dll is not one of Windows' own DLLs" "$root/scripts/check-imports.sh" "$scratch/Foreign.exe"
expect "check-imports.sh refuses it among good ones" 1 "VENDOR.dll" \
  "$root/scripts/check-imports.sh" "$zelta" "$scratch/Foreign.exe" "$quillet"

# package.sh, in a tree of its own: the scripts, the README and both build trees.
version="$("$root/scripts/exe-version.sh" "$zelta")"
other="${version%.*}.$(((${version##*.} + 1) % 10))"
package_tree() {
  local tree="$scratch/tree"
  rm -rf "$tree"
  mkdir -p "$tree/scripts" "$tree/docs" "$tree/build/mingw" "$tree/build/mingw32"
  cp "$root/scripts/package.sh" "$root/scripts/exe-version.sh" "$tree/scripts/"
  cp "$root/docs/README-windows.txt" "$tree/docs/"
  for build in mingw mingw32; do cp "$zelta" "$tree/build/$build/Zelta.exe" && cp "$quillet" "$tree/build/$build/Quillet.exe"; done
  echo "$tree"
}
tree="$(package_tree)"
expect "package.sh packs programs of one version" 0 "VokTarvex-$version-win32.zip" "$tree/scripts/package.sh" --no-build
[ -f "$tree/dist/VokTarvex-$version-win64.zip" ] && [ -f "$tree/dist/SHA256SUMS.txt" ] || fail "package.sh made no zips"

tree="$(package_tree)"
patched "version=\"$version\"" "version=\"$other\"" "$quillet" "$tree/build/mingw/Quillet.exe" ||
  fail "the manifest holds no version $version"
expect "package.sh refuses a manifest of another version" 1 "the manifest of $tree/build/mingw/Quillet.exe" \
  "$tree/scripts/package.sh" --no-build
[ ! -e "$tree/dist/VokTarvex-$version-win64.zip" ] || fail "a zip was made"

tree="$(package_tree)"
WIDE=1 patched "$version" "$other" "$zelta" "$tree/build/mingw32/Zelta.exe" || fail "no version text $version"
expect "package.sh refuses a version text of another version" 1 "the version text of $tree/build/mingw32/Zelta.exe" \
  "$tree/scripts/package.sh" --no-build
[ ! -e "$tree/dist/VokTarvex-$version-win32.zip" ] || fail "a zip was made"

echo "$failures failed"
[ "$failures" = 0 ]
