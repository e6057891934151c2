#!/usr/bin/env bash
# Checks what an installed tree tells the desktop, as a user's system reads
# it: the desktop entry (valid, opening files: Exec takes %f, MimeType names
# the build files' type), the shared-mime-info package that defines that
# type (*.zdxbuild, with its English and Russian comments) and the AppStream
# metadata that says the program handles it.
#   scripts/check-desktop-files.sh ROOT   ROOT holds usr/share/...
set -euo pipefail

root=${1:?usage: check-desktop-files.sh ROOT}
share=$root/usr/share
type=application/x-zephyrdex-build
entry=$share/applications/org.zephyrdex.Zephyrdex.desktop
mime=$share/mime/packages/zephyrdex.xml
metainfo=$share/metainfo/org.zephyrdex.Zephyrdex.metainfo.xml

fail() {
    echo "check-desktop-files: $*" >&2
    exit 1
}

for file in "$entry" "$mime" "$metainfo"; do
    [ -f "$file" ] || fail "not installed: ${file#"$root"}"
done

desktop-file-validate "$entry"
grep -qx 'Exec=zephyrdex %f' "$entry" || fail "the desktop entry does not open a file: Exec=zephyrdex %f"
grep -qx "MimeType=$type;" "$entry" || fail "the desktop entry does not name $type"

# The MIME package compiles into a database that maps the extension to the
# type. update-mime-database succeeds on a malformed package too, so any
# message counts; the database is on its search path, or it says it is not.
database=$(mktemp -d)
trap 'rm -rf "$database"' EXIT
mkdir -p "$database/mime/packages"
cp "$mime" "$database/mime/packages/"
XDG_DATA_HOME=$database XDG_DATA_DIRS=$database \
    update-mime-database "$database/mime" >"$database/messages" 2>&1 ||
    fail "update-mime-database refused $mime: $(cat "$database/messages")"
if [ -s "$database/messages" ]; then
    fail "update-mime-database warned about $mime: $(cat "$database/messages")"
fi
grep -qx "50:$type:\*.zdxbuild" "$database/mime/globs2" || fail "*.zdxbuild is not $type"
compiled=$database/mime/$type.xml
grep -q '<comment>Zephyrdex build</comment>' "$compiled" || fail "no English comment for $type"
grep -q '<comment xml:lang="ru">Сборка Zephyrdex</comment>' "$compiled" ||
    fail "no Russian comment for $type"

grep -q "<mediatype>$type</mediatype>" "$metainfo" ||
    fail "the AppStream metadata does not say the program opens $type"
echo "The desktop knows the build files: $type (*.zdxbuild) opens in zephyrdex"
