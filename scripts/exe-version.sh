#!/usr/bin/env bash
# exe-version.sh EXE: prints the file version that the executable's version resource carries ("1.0.0.0"), read
# from its fixed file information (the 0xFEEF04BD signature, then the structure version, then the version's two
# 32-bit halves, little-endian).
set -euo pipefail
exe="$1"
offset="$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$exe" | head -n1 | cut -d: -f1)"
[ -n "$offset" ] || { echo "exe-version.sh: $exe has no version resource" >&2; exit 1; }
read -r high low < <(od -An -t u4 --endian=little -j $((offset + 8)) -N 8 "$exe")
echo "$((high >> 16)).$((high & 0xffff)).$((low >> 16)).$((low & 0xffff))"
