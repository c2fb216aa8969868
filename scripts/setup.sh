#!/usr/bin/env bash
# Installs with apt-get what a fresh Debian machine lacks, then configures and
# builds Nerq.  Usage: scripts/setup.sh [cmake options...]
# The build goes to $NERQ_BUILD_DIR (default: build/ in the repository).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NERQ_BUILD_DIR:-$root/build}"

packages=(
    cmake make g++ pkg-config
    qt6-base-dev libgl1-mesa-dev    # Qt 6 Widgets
    libgtest-dev libgmock-dev       # tests
    libbenchmark-dev                # benchmarks
    fonts-dejavu-core               # an interface font for the offscreen platform
    clang libclang-rt-14-dev        # the stream reader's fuzz target
    xvfb xauth                      # a display for looking at the windows
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)"
