#!/usr/bin/env bash
# Builds the configurator and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/build.sh" configurator
exec "$root/build/bin/configurator" "$@"
