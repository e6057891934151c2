#!/usr/bin/env bash
# Checks what each folder of src/ includes of the others, as
# docs/ARCHITECTURE.md writes the rules. Prints every include that breaks one
# and exits 1 when there is any.
set -euo pipefail
cd "$(dirname "$0")/../src"

broken=0

# allowed FOLDER PATTERN: every project include of the files in FOLDER must
# name a file of the same folder (no slash) or match the extended regular
# expression PATTERN (the path inside src/).
allowed() {
    local folder=$1 pattern=$2
    local file line target
    while IFS=: read -r file line target; do
        target=${target#*\"}
        target=${target%%\"*}
        if [[ $target == */* && ! $target =~ ^($pattern)$ ]]; then
            echo "src/$file:$line: $folder may not include \"$target\""
            broken=1
        fi
    done < <(grep -rnE '^#include "' "$folder" --include='*.cpp' --include='*.h' || true)
}

# no_qt FOLDER: the core stays free of Qt.
no_qt() {
    local hits
    hits=$(grep -rnE '^#include <Q' "$1" --include='*.cpp' --include='*.h' || true)
    if [[ -n $hits ]]; then
        sed "s|^|src/|; s|$|   (no Qt in $1)|" <<<"$hits"
        broken=1
    fi
}

allowed data 'data/.+'
allowed engine '(data|engine)/.+'
allowed dictionary '(data|dictionary)/.+'
allowed builds '(data|engine|builds)/.+'
allowed find '(data|dictionary|find)/.+'
no_qt data
no_qt engine
no_qt dictionary
no_qt builds
no_qt find
allowed controls 'controls/.+'

allowed ui/widgets 'data/.+|ui/widgets/.+'
allowed ui/calculator '(data|engine|controls)/.+|ui/(widgets|calculator)/.+'
allowed ui/browser 'data/.+|ui/(widgets|browser)/.+'
allowed ui/web_engine 'data/.+|ui/(widgets|browser|web_engine)/.+'
allowed ui/search '(data|dictionary|controls)/.+|ui/(widgets|search)/.+|ui/browser/html_viewer\.h'
allowed ui/library '(data|engine|builds|controls)/.+|ui/(widgets|library)/.+'
allowed ui/find '(data|find)/.+|ui/(widgets|find)/.+'
# Nothing of the program includes ui/web_engine: it is loaded as a module.
window='ui/(widgets|calculator|browser|search|library|find|shell)/.+'
allowed ui/shell "(data|engine|dictionary|builds|find|controls)/.+|$window"
allowed app "(app|data|builds|controls)/.+|$window"

if ((broken)); then
    echo "include rules broken: see docs/ARCHITECTURE.md" >&2
    exit 1
fi
echo "include rules hold"
