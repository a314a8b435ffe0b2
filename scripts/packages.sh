# Sourced by run.sh and test.sh: installs, on Debian or Ubuntu, whatever the build and the
# tests need that the machine lacks (through sudo when not root).

# The faces the Debian package depends on or recommends: the suites that read the screen
# read text drawn in these alone (tests/support/project_fonts.sh).
ZORBEL_FONT_PACKAGES=(fonts-liberation2 fonts-dejavu-core fonts-droid-fallback)
# What the linux tree needs to build (ImageMagick draws the icons): ./test.sh installs these
# first, and builds while the others go in.
ZORBEL_BUILD_PACKAGES=(
  cmake make g++ libgtest-dev libgmock-dev
  pkg-config libx11-dev libpango1.0-dev libcairo2-dev libxrandr-dev libgtk-3-dev imagemagick
)
# The compiler of the sanitized tree and the fuzz targets.
ZORBEL_SANITIZER_PACKAGES=(clang libclang-rt-14-dev)
ZORBEL_PACKAGES=(
  "${ZORBEL_FONT_PACKAGES[@]}"
  "${ZORBEL_BUILD_PACKAGES[@]}"
  "${ZORBEL_SANITIZER_PACKAGES[@]}"
  g++-mingw-w64-x86-64-posix
  wine wine64 nsis
  xvfb xdotool x11-utils
  tesseract-ocr tesseract-ocr-fra tesseract-ocr-rus tesseract-ocr-ell tesseract-ocr-jpn tesseract-ocr-ara
  dpkg-dev lintian libxml2-utils desktop-file-utils man-db xscreensaver procps
  mate-screensaver dbus-daemon libglib2.0-bin
  emscripten chromium python3-websocket
  # fontTools cuts the page's fonts; it takes munkres or SciPy for a part of it the build
  # never uses, and SciPy would bring some thirty packages more.
  python3-fonttools python3-munkres
)

# missing_packages [PACKAGE...]: those of the packages given, else of all the project's,
# that the machine lacks, one a line.
missing_packages() {
  local package
  [ $# -eq 0 ] && set -- "${ZORBEL_PACKAGES[@]}"
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || echo "$package"
  done
}

# ensure_packages [PACKAGE...]: installs those of them (else of all) that the machine lacks.
ensure_packages() {
  local missing=()
  mapfile -t missing < <(missing_packages "$@")
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local as_root=()
  [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  # The package lists are fetched once: a second call in the same run installs from them.
  if [ -z "${zorbel_package_lists_fetched:-}" ]; then
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    zorbel_package_lists_fetched=1
  fi
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
