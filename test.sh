#!/usr/bin/env bash
# Installs what is missing, builds Korvel and runs the whole test suite.
set -euo pipefail
KORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$KORVEL_ROOT/scripts/setup.sh"
korvel_install_packages
korvel_build "$KORVEL_ROOT/build"
ctest --test-dir "$KORVEL_ROOT/build" --output-on-failure -j "$(nproc)"
