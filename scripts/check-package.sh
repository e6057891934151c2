#!/usr/bin/env bash
# Builds the Debian package from the release build and checks it the way a
# user gets it: unpacked with dpkg -x into a temporary root, the unpacked
# zephyrdex-cli checks the installed sample pack from another current
# directory, the unpacked program shows its main window offscreen, the desktop
# entry opens the build files whose MIME type the package installs
# (scripts/check-desktop-files.sh, with desktop-file-validate and
# update-mime-database), and lintian and appstreamcli find no error.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"

build=build/release
rm -f "$build"/zephyrdex_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/zephyrdex_*.deb)
echo "Package: $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

# From a folder with no Data of its own the installed pack must be found.
# Without data the program would stop at its message box, and time out.
sources=$(pwd)
cd "$root"
usr/bin/zephyrdex-cli check
QT_QPA_PLATFORM=offscreen timeout 60 usr/bin/zephyrdex --exit-when-shown
# As the desktop entry starts it on a build file (Exec=zephyrdex %f): a build
# it refused would stop at its message box too. Its library stays in the root.
QT_QPA_PLATFORM=offscreen timeout 60 usr/bin/zephyrdex --builds "$root/builds" \
    --exit-when-shown "$sources/datapack/builds/liora-swiftfeather-carry.zdxbuild"
cd - >/dev/null

scripts/check-desktop-files.sh "$root"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

# Errors and warnings fail; the tags inherent to the package are overridden
# in packaging/lintian-overrides.
lintian --fail-on error,warning "$deb"
echo "The package is complete: $deb"
