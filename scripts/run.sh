#!/usr/bin/env bash
# Sets up, builds and starts Nerq.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" >/dev/null
exec "${NERQ_BUILD_DIR:-$root/build}/nerq" "$@"
