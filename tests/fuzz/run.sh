#!/usr/bin/env bash
# Usage: tests/fuzz/run.sh <build-dir> <seconds>
# Runs the expression fuzzer for the given time on a scratch copy of the seed corpus (the
# corpus in the repository is never written) and fails on any finding: a crash, a sanitizer
# report, an exception outside the system's family, a leak, an input slower than the timeout
# or memory beyond the limit. The input of a finding is kept in <build-dir>/fuzz/findings/;
# run the fuzzer on that file alone to reproduce it.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 <build-dir> <seconds>" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
seconds=$2
fuzzer=$build/fuzz/expression_fuzzer
if [ ! -x "$fuzzer" ]; then
  echo "no fuzzer at $fuzzer: configure with -DMONEYCALC_FUZZ=ON and build it" >&2
  exit 2
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$here/corpus" "$scratch/corpus"
findings=$build/fuzz/findings
mkdir -p "$findings"

export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1"
# No leak check after each input: the parsers keep what they compile by design, so libFuzzer
# would suspect every input and scan the whole heap for it. The check at exit stays, with the
# allocation's stack in its report.
"$fuzzer" -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=10 -detect_leaks=0 \
  -dict="$here/expression.dict" -artifact_prefix="$findings/" -print_final_stats=1 \
  "$scratch/corpus"
