#!/usr/bin/env bash
# Builds the Debian package of the game into build-release/: zelvano_VERSION_ARCH.deb, to be
# installed with `sudo apt install ./build-release/zelvano_*.deb`.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/setup-common.sh
source "$root/scripts/setup-common.sh"

build="$root/build-release"
zelvano_install_packages
# dpkg-shlibdeps finds the libraries the package depends on.
zelvano_install_packages dpkg-dev
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DZELVANO_BUILD_BENCH=OFF
cmake --build "$build"
(cd "$build" && cpack -G DEB)
ls "$build"/zelvano_*.deb
