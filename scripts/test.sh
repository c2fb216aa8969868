#!/usr/bin/env bash
# Installs what building Nerq and its tests needs, builds them and runs every
# test through ctest on Qt's offscreen platform; the tests that need a real X
# display start virtual ones of their own. A test program that passed but
# could not run every test reads as skipped, not passed.
# Usage: scripts/test.sh [cmake options...]; the build goes to
# $NERQ_BUILD_DIR (default: build/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NERQ_BUILD_DIR:-$root/build}"
source "$root/scripts/packages.sh"

install_missing "${program_packages[@]}" "${test_packages[@]}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON "$@"
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
