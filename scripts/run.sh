#!/usr/bin/env bash
# Installs what building and running Nerq needs, builds the program and
# starts it. The build goes to $NERQ_BUILD_DIR (default: build/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NERQ_BUILD_DIR:-$root/build}"
source "$root/scripts/packages.sh"

install_missing "${program_packages[@]}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target nerq -j"$(nproc)"
exec "$build/nerq" "$@"
