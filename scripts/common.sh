# Shared by the set-up scripts: installs what a fresh Debian 12 machine lacks
# and configures a build folder.

DW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

DW_PACKAGES=(
    g++ cmake ninja-build
    qt6-base-dev libgl-dev qt6-image-formats-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-liberation2 fonts-opensymbol poppler-utils
    cups-daemon cups-client cups-bsd printer-driver-cups-pdf
    libgtest-dev libbenchmark-dev
    python3-icalendar python3-dateutil
    libical-dev pkg-config tzdata
    xvfb xauth openbox
)

# The sanitizer build: Clang with AddressSanitizer and UndefinedBehaviorSanitizer
# and libFuzzer's coverage, so one build serves the tests and the fuzz targets.
DW_SANITIZE_FOLDER=build-asan
DW_SANITIZE_PACKAGES=(clang-14 libclang-rt-14-dev)
DW_SANITIZE_OPTIONS=(-DDW_SANITIZE=ON -DDW_FUZZ=ON -DDW_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)

# Selects the sanitizer build: its packages, its compiler and its folder.
dw_use_sanitize_build() {
    DW_PACKAGES+=("${DW_SANITIZE_PACKAGES[@]}")
    export CC=clang-14 CXX=clang++-14
}

# What the Debian package is made and checked with: CPack's dependency
# scanner, lintian and the validators of desktop entries and metainfo.
DW_PACKAGE_TOOLS=(dpkg-dev lintian desktop-file-utils appstream)

# Installs the Debian packages that are not installed yet.
dw_install_packages() {
    local missing=()
    for package in "${DW_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
}

# Configures and builds folder $1 with the CMake options that follow; builds
# only the targets in DW_TARGETS when it is set.
dw_build() {
    local folder="$1"
    shift
    cmake -S "$DW_ROOT" -B "$DW_ROOT/$folder" -G Ninja "$@"
    cmake --build "$DW_ROOT/$folder" -j 2 ${DW_TARGETS:+--target $DW_TARGETS}
}
