#!/usr/bin/env bash
# validate.sh TOOL ARGS...: runs a validator; exit 77 (skipped) when it is not installed.
if ! command -v "$1" >/dev/null 2>&1; then
  echo "skipped: $1 is not installed (scripts/setup.sh installs it)"
  exit 77
fi
exec "$@"
