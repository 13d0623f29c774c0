# Sourced by play.sh, test.sh and bench/run.sh: makes sure the Debian packages named in "$@"
# are installed. As root it installs the missing ones with apt-get; otherwise it prints the
# apt-get line and stops the calling script.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq &&
            DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
                "${missing[@]}" >/dev/null || exit 1
    else
        echo "Missing Debian packages. Install them with:"
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}"
        exit 1
    fi
}

BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libgl-dev)
# bench/run.sh: the start-up harness watches the X server through libxcb's DAMAGE extension.
BENCH_PACKAGES=(pkgconf libxcb1-dev libxcb-damage0-dev xvfb qt6-qpa-plugins)
