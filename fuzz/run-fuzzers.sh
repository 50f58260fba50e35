#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour sanitizers, coverage
# for the whole of Kolvane's code) and runs each for a while.
#   bash fuzz/run-fuzzers.sh [seconds per target, default 180] [target ...]
# Targets: query_string basic_credentials template_parser http_request po_file. Corpora grow in
# build/fuzz/corpus; each run logs to build/fuzz/TARGET.log; a crash leaves its input in
# build/fuzz/ and stops the script.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-180}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(query_string basic_credentials template_parser http_request po_file)

build=build/fuzz
cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVANE_TESTS=OFF -DKOLVANE_SANITIZE=ON \
  -DKOLVANE_FUZZ=ON -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]/#/fuzz_}"

for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  log=$build/$target.log
  echo "fuzz: $target for ${seconds}s (log in $log)"
  status=0
  (cd "$build" && "bin/fuzz_$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
    -print_final_stats=1 "corpus/$target" "$root/fuzz/corpus/$target") >"$log" 2>&1 || status=$?
  grep -E '^(Done|stat::)|ERROR|SUMMARY' "$log" || true
  if ((status)); then
    echo "fuzz: $target failed (exit $status); the input is saved in $build, details in $log"
    exit 1
  fi
done
