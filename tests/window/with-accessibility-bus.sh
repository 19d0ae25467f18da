#!/usr/bin/env bash
# Runs a command as on a desktop with a screen reader: a session bus, an accessibility bus and Qt's
# accessibility on, so Qt sends the events a screen reader receives (the tests count them).
set -euo pipefail
if [ -z "${BRACKENHOLLOW_ACCESSIBILITY_BUS:-}" ]; then
  BRACKENHOLLOW_ACCESSIBILITY_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
trap 'kill "$launcher" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
