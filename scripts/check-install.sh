#!/usr/bin/env bash
# Installs a build into a staging folder and checks what the desktop reads there: the
# desktop entry, the AppStream metainfo, the icon, the manual page, and the program itself.
# scripts/check-install.sh [BUILD_DIR]   (build/ when none is given)
set -euo pipefail
KORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$KORVEL_ROOT/build}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage" >/dev/null
share=$stage/share
desktop=$(echo "$share"/applications/*.desktop)
desktop-file-validate "$desktop"
# --no-net: the screenshot's address is checked for its form, not fetched.
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml

icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || {
  echo "The desktop entry's icon $icon is not installed." >&2
  exit 1
}

# groff names every mistake it finds in the page (-ww: all warnings); any fails the check.
mistakes=$(groff -man -ww -z "$share/man/man1/korvel.1" 2>&1)
[ -z "$mistakes" ] || {
  echo "$mistakes" >&2
  exit 1
}

echo "Installed and checked: $("$stage/bin/korvel" -platform offscreen --version)"
