#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (build/fuzz: clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for the given number of seconds (default 600) on a fresh copy of its seed corpus, so that the
# committed corpus stays as it is. An input that crashes a target or breaks one of its properties is kept in
# build/fuzz/findings/<target>/ and the run fails; a target run on that file alone replays it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-600}"
build="$root/build/fuzz"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DZELTA_TESTS=OFF -DZELTA_FUZZ=ON >/dev/null
cmake --build "$build" -j 2 --target zelta_fuzz_targets

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for source in "$root"/tests/fuzz/*_fuzz.cpp; do
  target="$(basename "$source" .cpp)"
  name="${target%_fuzz}"
  corpus="$build/corpus/$name"
  findings="$build/findings/$name"
  rm -rf "$corpus"
  mkdir -p "$corpus" "$findings"
  cp "$root/tests/fuzz/corpus/$name/"* "$corpus/"
  echo "== $target: ${seconds} s"
  if ! "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$corpus" >"$build/$target.log" 2>&1; then
    tail -n 40 "$build/$target.log"
    echo "$target: finding kept in $findings/ (replay: $build/$target <file>)"
    failed+=("$target")
  else
    grep -E "^stat::number_of_executed_units|^Done" "$build/$target.log" | tr '\n' ' '
    echo
  fi
done
if ((${#failed[@]})); then
  echo "Fuzz targets with findings: ${failed[*]}"
  exit 1
fi
