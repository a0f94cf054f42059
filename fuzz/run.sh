#!/usr/bin/env bash
# Runs every fuzz target for a bounded time: run.sh BUILD_DIR SECONDS.
# New inputs go to BUILD_DIR/corpus/<target> (the committed seeds in
# fuzz/corpus/ are only read); a crash, leak or timeout leaves its input in
# BUILD_DIR/artifacts/ and makes the script fail.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:?build dir}"
seconds="${2:-60}"
declare -A dictionary=(
  [route_fragment]=plist.dict [line_info]=plist.dict [custom_units]=plist.dict
  [defaults]=ini.dict [number_text]=number.dict [measurement]=plist.dict
)
failed=()
for name in route_fragment line_info custom_units defaults number_text measurement; do
  work="$build/corpus/$name"
  artifacts="$build/artifacts/$name"
  mkdir -p "$work" "$artifacts"
  echo "== fuzz_$name for ${seconds}s"
  if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=16384 -dict="$here/${dictionary[$name]}" -artifact_prefix="$artifacts/" \
      -print_final_stats=1 "$work" "$here/corpus/$name" 2>"$build/fuzz_$name.log"; then
    failed+=("$name")
    tail -n 60 "$build/fuzz_$name.log"
  fi
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|Done )' "$build/fuzz_$name.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs under $build/artifacts/)"
  exit 1
fi
