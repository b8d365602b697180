# Shared by run.sh, test.sh and CI: installs what the build needs, then configures and
# builds. Sourced, not run; expects KORVEL_ROOT to be set.

KORVEL_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev
  libgumbo-dev # an HTML5 parser that reads pages as browsers do, for opening saved maps
  qt6-image-formats-plugins # WebP, TIFF and friends beyond the built-in formats
  fonts-dejavu-core         # a sans-serif face for the windows, also on a bare machine
)

# What CI needs besides, to check the installed files and to build the Debian package.
# shellcheck disable=SC2034 # .ci/run, which sources this file, installs them
KORVEL_CI_PACKAGES=(
  desktop-file-utils # desktop-file-validate
  appstream          # appstreamcli validate
  groff-base         # groff, which reads the manual page for mistakes
  dpkg-dev           # dpkg-shlibdeps, with which cpack works out the package's dependencies
)

# korvel_missing_packages PACKAGE...
korvel_missing_packages() {
  local pkg missing=()
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  echo "${missing[@]}"
}

# korvel_install_packages [PACKAGE...]: the build's packages when none are named.
korvel_install_packages() {
  local packages=("$@")
  [ ${#packages[@]} -gt 0 ] || packages=("${KORVEL_PACKAGES[@]}")
  command -v dpkg-query >/dev/null 2>&1 && command -v apt-get >/dev/null 2>&1 || {
    echo "Korvel builds with apt-get, which this system does not have." >&2
    echo "Install these packages (or your system's equivalents) and run again:" >&2
    echo "  ${packages[*]}" >&2
    exit 1
  }
  local missing
  missing=$(korvel_missing_packages "${packages[@]}")
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || {
      echo "Installing packages needs root, and sudo is not available. As root, run:" >&2
      echo "  apt-get install $missing" >&2
      exit 1
    }
    sudo=(sudo)
  fi
  # shellcheck disable=SC2086
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  # shellcheck disable=SC2086
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

# korvel_build DIR [cmake options...]
korvel_build() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$KORVEL_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  fi
  cmake --build "$dir"
}
