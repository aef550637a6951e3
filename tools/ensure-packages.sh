# Sourced by ./run and ./test: installs the Debian packages the build and the program need,
# and only those that are missing, so that a second run goes straight to the build.
vestoria_packages=(
  cmake g++ ninja-build ccache pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-translations-l10n libfontconfig-dev
  libsqlite3-dev libpq-dev libjpeg62-turbo-dev libjpeg-turbo-progs
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core xdg-utils
  desktop-file-utils appstream lintian dpkg-dev file sqlite3 x11-utils
)

ensure_packages() {
  ensure_these "${vestoria_packages[@]}"
}

# Installs the named packages that are missing.
ensure_these() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures a build folder with Ninja and ccache; extra arguments go to CMake.
configure_build() {
  local folder=$1
  shift
  cmake -S . -B "$folder" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache "$@" >/dev/null
}
