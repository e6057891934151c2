#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# With --sanitize also clang and its sanitizer runtimes. ZEPHYR_NO_INSTALL=1
# skips it, for machines that bring their dependencies another way.
set -euo pipefail

if [ "${ZEPHYR_NO_INSTALL:-}" = "1" ]; then
    exit 0
fi

packages=(
    g++ cmake ninja-build pkg-config
    libjpeg62-turbo-dev libgif-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-webengine-dev fonts-dejavu-core
    qt6-qpa-plugins fonts-liberation fonts-paratype
)

if [ "${1:-}" = "--sanitize" ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
