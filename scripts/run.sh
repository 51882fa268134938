#!/usr/bin/env bash
# Sets everything up, builds the program and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -x build/bin/moneycalc ]; then
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: the calculator window needs an X11 or Wayland session." >&2
    echo "Run build/bin/moneycalc from a desktop session (or under xvfb-run)," >&2
    echo "or use the command-line calculator anywhere: build/bin/moneycalc-cli '(1000*3)-(100-3)*3/2'" >&2
    exit 1
  fi
  exec build/bin/moneycalc
fi
echo "The window is not built yet; starting the command-line calculator (one expression per line, Ctrl+D ends)."
exec build/bin/moneycalc-cli
