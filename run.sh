#!/usr/bin/env bash
# Installs what is missing, builds Korvel and starts it: ./run.sh [IMAGE]
set -euo pipefail
KORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$KORVEL_ROOT/scripts/setup.sh"
korvel_install_packages
korvel_build "$KORVEL_ROOT/build"
exec "$KORVEL_ROOT/build/korvel" "$@"
