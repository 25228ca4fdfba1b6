#!/usr/bin/env bash
# Builds the configurator and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build_env.sh"
"$root/scripts/build.sh" configurator
exec "$build/bin/configurator" "$@"
