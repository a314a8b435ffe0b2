# Sourced by run.sh and test.sh: installs, on Debian or Ubuntu, whatever the build and the
# tests need that the machine lacks (through sudo when not root).

# The faces the Debian package depends on or recommends: the suites that read the screen
# read text drawn in these alone (tests/support/project_fonts.sh).
ZORBEL_FONT_PACKAGES=(fonts-liberation2 fonts-dejavu-core fonts-droid-fallback)
ZORBEL_PACKAGES=(
  "${ZORBEL_FONT_PACKAGES[@]}"
  cmake make g++ libgtest-dev libgmock-dev clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 nsis
  xvfb xdotool x11-utils imagemagick
  tesseract-ocr tesseract-ocr-fra tesseract-ocr-rus tesseract-ocr-ell tesseract-ocr-jpn tesseract-ocr-ara
  pkg-config libx11-dev libpango1.0-dev libcairo2-dev libxrandr-dev libgtk-3-dev
  dpkg-dev lintian libxml2-utils desktop-file-utils man-db xscreensaver procps
  mate-screensaver dbus-daemon libglib2.0-bin
  emscripten python3-fonttools chromium python3-websocket
)

ensure_packages() {
  local missing=() package
  for package in "${ZORBEL_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local as_root=()
  [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  # Without a sync after every file: a first run unpacks some 600 packages, and the files
  # reach the disk as the system writes them back anyway.
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o Dpkg::Options::=--force-unsafe-io \
    install -y -q --no-install-recommends "${missing[@]}"
}

# build_preset NAME [CMAKE_OPTION...]: configures one preset (see CMakePresets.json) in its
# folder under build/, with the options given, and builds it.
build_preset() {
  cmake --preset "$@" >/dev/null && cmake --build --preset "$1" -j "$(nproc)"
}
