# Sourced by run.sh and test.sh: installs with apt-get the Debian packages of
# a list that the machine lacks, using sudo when not run as root.

# What building and running the program needs.
program_packages=(
    cmake make g++ pkg-config
    qt6-base-dev libgl1-mesa-dev    # Qt 6 Widgets
    fonts-dejavu-core               # an interface font, also for the offscreen platform
)

# What the tests need besides: GoogleTest, and what the tests that start the
# program where a user would need, so that every one of them runs: a virtual
# X display, and Qt's Wayland platform for a start without a compositor.
test_packages=(
    libgtest-dev libgmock-dev
    xvfb
    qt6-wayland
)

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    local sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
