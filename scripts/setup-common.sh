# Shared by run-game.sh and run-tests.sh: the Debian packages the build needs, installed when
# missing (as root, or through sudo), and the configure step both use.
# shellcheck shell=bash

ZELVANO_PACKAGES=(
    cmake ninja-build g++
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n
    # The history's charts; Qt Charts' CMake files need Qt OpenGL's, which it does not bring.
    qt6-charts-dev libqt6opengl6-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
    # The translations: msgfmt compiles them, xgettext extracts their texts.
    gettext
    libgtest-dev libgmock-dev libbenchmark-dev libpcg-cpp-dev
    # The league's history beside the league file.
    libsqlite3-dev
    # The end-to-end test drives the real game in a virtual X server.
    xvfb openbox xdotool imagemagick
)

zelvano_missing_packages() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$package"
        fi
    done
}

# zelvano_install_packages [package...]: the given packages, or by default those of the build.
zelvano_install_packages() {
    local -a wanted=("$@")
    if [ ${#wanted[@]} -eq 0 ]; then
        wanted=("${ZELVANO_PACKAGES[@]}")
    fi
    if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
        echo "zelvano: not a Debian system; make sure these are installed: ${wanted[*]}" >&2
        return 0
    fi
    local missing
    missing=$(zelvano_missing_packages "${wanted[@]}" | tr '\n' ' ')
    if [ -z "${missing// /}" ]; then
        return 0
    fi
    local -a as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "zelvano: these packages are missing and installing them needs root: $missing" >&2
            exit 1
        fi
        as_root=(sudo)
    fi
    echo "zelvano: installing $missing"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    # shellcheck disable=SC2086  # one word per package
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends $missing
}

# zelvano_configure SOURCE BUILD [extra cmake options...]
zelvano_configure() {
    local source=$1 build=$2
    shift 2
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}
