#!/usr/bin/env bash
# The calculator through the real accessibility bus, as a screen reader
# reaches it: on an X server of its own (run-under-x.sh) and a private session
# bus, the program is started with accessibility on, and the bus's view of
# it must hold no unnamed, roleless object, name the controls, and level an
# ability when its button is pressed through the bus, announcing its new name.
#   on-the-bus.sh PROGRAM     (run by CTest through run-under-x.sh none)
# Exits 77 with a line saying why when the bus or its tools are missing.
set -uo pipefail
program=$1
here=$(dirname "$0")

skip() {
    echo "SKIPPED: $*; the accessibility test needs at-spi2-core and python3-pyatspi" >&2
    exit 77
}
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no at-spi-bus-launcher"
command -v dbus-run-session >/dev/null 2>&1 || skip "no dbus-run-session"
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || skip "no pyatspi"

if [ -z "${ZEPHYR_ON_PRIVATE_BUS:-}" ]; then
    ZEPHYR_ON_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@" 2>&1 |
        grep -v "Failed to set fd limit\|dbus-daemon\["
    exit "${PIPESTATUS[0]}"
fi

# The session bus starts the accessibility bus when asked for it.
for _ in $(seq 100); do
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done
builds=$(mktemp -d)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" --builds "$builds" >"$builds/program.log" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null; wait $app 2>/dev/null; rm -rf "$builds"' EXIT
if ! kill -0 $app 2>/dev/null; then
    cat "$builds/program.log"
fi
tree() { /usr/bin/python3 "$here/atspi_tree.py" "$@"; }

failed=0
unnamed=$(tree unnamed) || exit 1
echo "unnamed, roleless objects of the calculator: $unnamed"
[ "$unnamed" = 0 ] || failed=1
listing=$(tree list) || exit 1
for expected in "push button *'Герой: " "push button *'Способность 1: " \
    "push button *'Слот 6: пусто'" "list *'Порядок прокачки'" "image *'Аура 1: "; do
    if ! grep -q "$expected" <<<"$listing"; then
        echo "missing on the bus: $expected"
        failed=1
    fi
done
pressed=$(tree press "Способность 1:") || exit 1
echo "pressed: $(head -1 <<<"$pressed")"
if ! grep -q "^heard Способность 1: .*, уровень 1 из 4" <<<"$pressed"; then
    echo "the new level was not announced"
    failed=1
fi
after=$(tree list) || exit 1
if ! grep -q "Способность 1: .*, уровень 1 из 4" <<<"$after"; then
    echo "pressing the first ability through the bus did not level it"
    failed=1
fi
exit $failed
