#!/bin/sh
# Installed as calc.exe in the program folder: starts the desktop's own calculator, the
# first of these that is installed, and does nothing when none is.
for calculator in gnome-calculator kcalc galculator qalculate-gtk xcalc; do
  if command -v "$calculator" >/dev/null 2>&1; then
    "$calculator" </dev/null >/dev/null 2>&1 &
    exit 0
  fi
done
exit 0
