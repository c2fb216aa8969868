#!/usr/bin/env bash
# Sets up, builds and runs every test through ctest.
# Usage: scripts/test.sh [cmake options...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NERQ_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh" "$@"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
