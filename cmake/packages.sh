# The Debian packages the build and the tests need, and their installation. Sourced.

ORVEDAN_PACKAGES=(
    cmake g++ googletest file
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
    wine wine32:i386 wine64 fonts-wine
    xvfb xdotool x11-apps imagemagick
    libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386 libxinerama1:i386
    libxcomposite1:i386 libfreetype6:i386 libfontconfig1:i386
)

# ensure_packages: installs what is missing when run as root; otherwise says what to run.
ensure_packages() {
    local missing=()
    local package
    for package in "${ORVEDAN_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local line="dpkg --add-architecture i386 && apt-get update && apt-get install -y --no-install-recommends ${ORVEDAN_PACKAGES[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}" >&2
        echo "Install them as root with:" >&2
        echo "  $line" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    dpkg --add-architecture i386
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${ORVEDAN_PACKAGES[@]}"
}
