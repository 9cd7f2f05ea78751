# Debian packages the build and the tests need, and a way to get them.
# Sourced by the run and test scripts.

BUILD_PACKAGES=(cmake g++ make pkg-config clang libclang-rt-14-dev clang-format clang-tidy cppcheck rapidjson-dev zlib1g-dev dpkg-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-translations-l10n xvfb xauth xdotool x11-utils fonts-wqy-microhei fonts-arphic-uming)

# The Windows build: the cross compiler, zlib for it, GoogleTest's sources,
# RapidJSON's headers, Wine to run it, NSIS for the installer, librsvg
# and ImageMagick to draw the icon.
WINDOWS_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix libz-mingw-w64-dev dpkg-dev googletest rapidjson-dev wine wine64
  nsis zip librsvg2-bin imagemagick xvfb xauth xdotool fonts-wqy-microhei fonts-arphic-uming)

# The test command's independent client for the calculation book: LibreOffice
# Calc recomputes every exported workbook; and the locales, for one with a
# decimal comma.
TEST_PACKAGES=(libreoffice-calc-nogui locales)

# Installs whatever is missing when run as root; otherwise names it and stops.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    # Another install running on the machine holds the package database's
    # lock: wait for it rather than fail.
    apt-get -o DPkg::Lock::Timeout=900 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq "${missing[@]}" >/dev/null
  else
    echo "Please install these Debian packages first:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
}
