#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest. With --sanitize: the same suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
dir=$(bash scripts/build.sh "$@")
ctest --test-dir "$dir" --output-on-failure
