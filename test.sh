#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   ./test.sh             the debug build (build/dev)
#   ./test.sh --sanitize  the same suite under AddressSanitizer and UBSan
#                         (clang, build/asan); slower, run it separately
#   ./test.sh --ci        the optimised build with warnings as errors
#                         (build/ci), as CI runs it: some warnings
#                         (-Wrestrict, -Wmaybe-uninitialized) need the optimiser
#   ./test.sh --package   the Debian package from the release build
#                         (build/release), unpacked and started, under lintian
set -euo pipefail
cd "$(dirname "$0")"

preset=dev
deps=()
case "${1:-}" in
"") ;;
--sanitize)
    preset=asan
    deps=(--sanitize)
    ;;
--ci)
    preset=ci
    ;;
--package)
    ./scripts/install-deps.sh --package
    exec ./scripts/check-package.sh
    ;;
*)
    echo "usage: ./test.sh [--sanitize | --ci | --package]" >&2
    exit 2
    ;;
esac

./scripts/install-deps.sh "${deps[@]}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
