# Sourced by play.sh, test.sh and bench/run.sh: makes sure the Debian packages named in "$@"
# are installed. As root it installs the missing ones with apt-get; otherwise it prints the
# apt-get lines to run as root or with sudo, and stops the calling script.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        # apt-get's own lines show the progress: a first install takes a few minutes.
        echo "Installing: ${missing[*]}"
        apt-get update -q &&
            DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o Dpkg::Use-Pty=0 \
                --no-install-recommends "${missing[@]}" || exit 1
    else
        local install="apt-get install -y --no-install-recommends ${missing[*]}"
        echo "Missing Debian packages. Install them as root, then run this again:"
        echo "  apt-get update && $install"
        echo "or, where sudo is set up:"
        echo "  sudo apt-get update && sudo $install"
        exit 1
    fi
}

# libxcb1-dev: the window reads the X server's notice that its window was destroyed.
# qt6-base-private-dev: a test has assistive technology listen on the offscreen platform.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-private-dev qt6-translations-l10n
    libgl-dev libxcb1-dev)
# bench/run.sh: the start-up harness watches the X server through libxcb's DAMAGE extension.
BENCH_PACKAGES=(pkgconf libxcb-damage0-dev xvfb qt6-qpa-plugins)
