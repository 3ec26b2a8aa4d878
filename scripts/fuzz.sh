#!/usr/bin/env bash
# scripts/fuzz.sh [seconds] [target ...]
# Builds the fuzz targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer,
# in build-asan/) and runs each named target, or all of them, one after the
# other for `seconds` (default 60) from its corpus fuzz/corpus/<target>/.
# New inputs go to build-asan/fuzz-work/<target>/corpus; with
# IQX_FUZZ_UPDATE_CORPUS=1 the run afterwards merges into the repository's
# corpus only the inputs that add coverage. Crashes are written to
# build-asan/fuzz-work/<target>/. Non-zero when a target fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

seconds=60
if [[ $# -gt 0 && $1 =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

iqx_build_sanitized "${targets[@]}"

status=0
for t in "${targets[@]}"; do
  work=build-asan/fuzz-work/$t
  mkdir -p "$work/corpus"
  echo "== $t: ${seconds}s"
  if ! build-asan/"$t" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
        -artifact_prefix="$work/" "$work/corpus" "fuzz/corpus/$t" 2>"$work/log"; then
    status=1
    echo "$t FAILED; see $work/log"
    grep -E "ERROR|runtime error|invariant broken|Test unit written" "$work/log" || true
  fi
  grep -E "^(#[0-9]+.*DONE|stat::)" "$work/log" || true
  if [ "${IQX_FUZZ_UPDATE_CORPUS:-0}" = 1 ]; then
    build-asan/"$t" -merge=1 "fuzz/corpus/$t" "$work/corpus" 2>>"$work/log"
  fi
done
exit $status
