#!/usr/bin/env bash
# Builds one fuzz target with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ and runs it on a copy of its committed corpus.
#
#   scripts/fuzz.sh TARGET [SECONDS]     # TARGET: league_file, field_reader, number_format, ...
#
# SECONDS defaults to 60. New interesting inputs land in build-fuzz/corpus/TARGET; a crash is
# written to build-fuzz/crash-TARGET-*. Extra libFuzzer options can be given in FUZZ_OPTIONS.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/setup-common.sh
source "$root/scripts/setup-common.sh"

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: scripts/fuzz.sh TARGET [SECONDS]" >&2
    echo "targets: $(cd "$root/fuzz/corpus" && echo *)" >&2
    exit 2
fi
target=$1
seconds=${2:-60}
if [ ! -d "$root/fuzz/corpus/$target" ]; then
    echo "unknown target $target; targets: $(cd "$root/fuzz/corpus" && echo *)" >&2
    exit 2
fi

# clang, and libclang-rt-14-dev for the libFuzzer and sanitizer run-times.
ZELVANO_PACKAGES+=(clang libclang-rt-14-dev)
zelvano_install_packages

build="$root/build-fuzz"
zelvano_configure "$root" "$build" -DCMAKE_CXX_COMPILER=clang++ -DZELVANO_FUZZ=ON \
    -DZELVANO_SANITIZE=ON -DBUILD_TESTING=OFF -DZELVANO_BUILD_GUI=OFF -DZELVANO_BUILD_BENCH=OFF
cmake --build "$build" --target "fuzz_$target"

# The committed corpus stays as it is; what the run finds goes to the working copy.
work="$build/corpus/$target"
mkdir -p "$work"
options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024
         -artifact_prefix="$build/crash-$target-")
# A dictionary of the format's separators helps the mutations past the first line.
if [ -f "$root/fuzz/$target.dict" ]; then
    options+=(-dict="$root/fuzz/$target.dict")
fi
# shellcheck disable=SC2086  # FUZZ_OPTIONS is a list of options
"$build/fuzz/fuzz_$target" "${options[@]}" ${FUZZ_OPTIONS:-} "$work" "$root/fuzz/corpus/$target"
