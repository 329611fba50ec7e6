#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  flags=(-DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON)
fi
# The build's own output goes to stderr; stdout carries only the build folder's name.
cmake -S . -B "$dir" -G Ninja "${flags[@]}" >&2
cmake --build "$dir" -j"$(nproc)" >&2
echo "$dir"
