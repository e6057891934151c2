#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing,
# the X server, window manager and input tool the scenarios drive the
# window with, the accessibility bus and its Python client, then the Game
# Icons set (npm package @iconify-json/game-icons) into .icons/ when it is
# not there yet. With --sanitize also clang and its sanitizer
# runtimes; with --package the tools that build and check the Debian package.
# ZEPHYR_NO_INSTALL=1 skips it, for machines that bring their
# dependencies another way.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${ZEPHYR_NO_INSTALL:-}" = "1" ]; then
    exit 0
fi

packages=(
    g++ cmake ninja-build pkg-config
    libjpeg62-turbo-dev libgif-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev libxapian-dev libxcb1-dev
    qt6-base-dev qt6-base-private-dev qt6-webengine-dev qt6-svg-dev qt6-charts-dev fonts-dejavu-core
    qt6-qpa-plugins fonts-liberation fonts-paratype
    xvfb xauth xdotool openbox x11-utils imagemagick
    dbus-daemon at-spi2-core python3-pyatspi
)
# npm fetches the icon set. A Node.js from elsewhere (NodeSource) brings its
# own npm and conflicts with Debian's package, so only a missing command counts.
if ! command -v npm >/dev/null 2>&1; then
    packages+=(npm)
fi

case "${1:-}" in
--sanitize)
    packages+=(clang libclang-rt-14-dev)
    ;;
--package)
    packages+=(dpkg-dev lintian desktop-file-utils appstream shared-mime-info)
    ;;
esac

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

# The icon set the pack tool draws the sample game's pictures from. Without
# it (no network, say) everything still builds, with plain pictures.
icons=.icons/node_modules/@iconify-json/game-icons/icons.json
if [ ! -f "$icons" ]; then
    echo "Installing the Game Icons set into .icons"
    if ! npm install --prefix .icons --no-audit --no-fund @iconify-json/game-icons@1; then
        echo "The Game Icons set could not be installed: the sample pack gets plain pictures" >&2
    fi
fi
