#!/usr/bin/env bash
# Runs every libFuzzer target of a -DTRACKMILL_FUZZ=ON build for a while from its seed corpus in tests/fuzz/corpus,
# and fails on the first finding (the input that caused it is left in the working folder and named).
#   tools/run-fuzzers.sh <build folder> [seconds per target, 3 by default] [working folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?usage: tools/run-fuzzers.sh <build folder> [seconds] [working folder]}" && pwd)"
seconds="${2:-3}"
work="${3:-$(mktemp -d)}"
mkdir -p "$work"
work="$(cd "$work" && pwd)"
status=0
for fuzzer in "$build"/fuzz/*; do
  [ -x "$fuzzer" ] || continue
  name="$(basename "$fuzzer")"
  # New inputs go to a working copy: the seed corpus in the repository stays as it is.
  mkdir -p "$work/$name/corpus" "$work/$name/findings"
  cp -r "$root/tests/fuzz/corpus/$name/." "$work/$name/corpus/"
  echo "fuzzing $name for ${seconds}s"
  # The targets' scratch files go to the working folder too.
  if ! (cd "$work/$name/findings" && TMPDIR="$work/$name" \
        "$fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
          -print_final_stats=1 "$work/$name/corpus" > "$work/$name/log" 2>&1); then
    echo "FINDING in $name: see $work/$name/log and $work/$name/findings" >&2
    tail -n 40 "$work/$name/log" >&2
    status=1
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$work/$name/log" | sed "s/^/  /" || true
done
exit "$status"
