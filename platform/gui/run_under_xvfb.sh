#!/usr/bin/env bash
# Runs a program on a virtual X display of true colour; exits 77 (skipped)
# when xvfb-run is not installed.
set -euo pipefail
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is not installed: skipped"
  exit 77
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
