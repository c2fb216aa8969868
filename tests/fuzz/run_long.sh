#!/usr/bin/env bash
# A long fuzzing run of the property-stream reader, outside CI.
# Usage: tests/fuzz/run_long.sh [runs per worker] [workers]
# Builds the fuzz target with clang into build-fuzz/, copies the seed corpus
# into a scratch directory (the committed corpus stays as it is) and runs
# libFuzzer's workers on it, each for the given number of inputs.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
runs="${1:-1250000}"
workers="${2:-8}"
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DNERQ_FUZZ=ON >/dev/null
cmake --build "$build" --target property_stream_fuzz -j"$(nproc)"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$root"/tests/fuzz/corpus/* "$scratch"/
cd "$scratch"
"$build/tests/fuzz/property_stream_fuzz" -runs="$runs" -jobs="$workers" -workers="$workers" \
    -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 "$scratch"
for log in fuzz-*.log; do
    echo "== $log"
    grep -E "Done|stat::|ERROR|SUMMARY" "$log" || true
done
