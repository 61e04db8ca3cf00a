#!/usr/bin/env bash
# Starts Ferdix on a virtual display with a desktop bus and an accessibility bus of its own, as
# a desktop session with a screen reader has them, and reads its window over AT-SPI
# (atspi_tree.py). Exit code 77 when a tool it needs is missing.
# Usage: tests/screen_reader/run.sh FERDIX [bokmal|nynorsk]   (nynorsk: started as ferdixn)
set -euo pipefail
program=$(realpath "$1")
standard=${2:-bokmal}
here=$(cd "$(dirname "$0")" && pwd)

case "${FERDIX_SCREEN_READER_STAGE:-}" in
  "")
    for tool in xvfb-run dbus-run-session xdotool; do
      command -v "$tool" >/dev/null || { echo "missing $tool"; exit 77; }
    done
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi"; exit 77; }
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "missing at-spi2-core"; exit 77; }
    # A desktop bus of its own, then a display of its own (xvfb-run waits until it is up).
    export FERDIX_SCREEN_READER_STAGE=bus
    exec dbus-run-session -- "$0" "$@" 2> >(grep -v "Failed to set fd limit" >&2)
    ;;
  bus)
    export FERDIX_SCREEN_READER_STAGE=display
    # A free display from a number of its own, so that runs side by side do not meet.
    exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
    ;;
esac

home=$(mktemp -d)
cleanup() {
  for pid in ${ferdix_pid:-} ${launcher_pid:-}; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home
mkdir -p "$XDG_CONFIG_HOME"

# The accessibility bus, as a desktop session starts it; Qt speaks AT-SPI on it.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher_pid=$!
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
name=ferdix
[ "$standard" = nynorsk ] && name=ferdixn
ln -s "$program" "$home/$name"
start() {
  "$home/$name" >"$home/ferdix.log" 2>&1 &
  ferdix_pid=$!
}
start
# Now and then the first client of a fresh virtual display is refused; once more then.
sleep 2
if ! kill -0 "$ferdix_pid" 2>/dev/null && grep -q "could not connect to display" "$home/ferdix.log"; then
  start
fi
status=0
/usr/bin/python3 "$here/atspi_tree.py" "$standard" || status=$?
[ "$status" -eq 0 ] || { echo "--- program output"; cat "$home/ferdix.log"; }
exit "$status"
