#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a few seconds (default 10; first argument).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" >&2
mkdir -p build-fuzz/corpus
for target in build-fuzz/fuzz_*; do
  name=$(basename "$target")
  mkdir -p "build-fuzz/corpus/$name"
  echo "fuzzing $name for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=0 "$target" -max_total_time="$seconds" -max_len=4096 "build-fuzz/corpus/$name" 2>&1 |
    grep -E "^(Done|INFO: Running|==[0-9]+==|SUMMARY)" || true
  test "${PIPESTATUS[0]}" -eq 0
done
