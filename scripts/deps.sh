# Sourced by scripts/run and scripts/test: installs the Debian packages the
# project needs when any of them is missing.
KV_PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation poppler-utils openssl
  python3 python3-dbfread python3-dbf
  xvfb xauth imagemagick shared-mime-info
  locales
  dpkg-dev file xdg-utils libfile-mimeinfo-perl desktop-file-utils
  cups printer-driver-cups-pdf
)

kv_install_deps() {
  kv_install_packages
  kv_ensure_german_locale
}

kv_install_packages() {
  local missing=()
  for p in "${KV_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installiere fehlende Pakete: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

# The program's users work under a German locale, and the tests check that
# amounts, table numbers and dates are read and written the same under it.
# Debian ships de_DE.UTF-8 only as a commented line of /etc/locale.gen.
kv_ensure_german_locale() {
  locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' && return 0
  echo "Erzeuge die Locale de_DE.UTF-8"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if grep -q '^# *de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    $sudo sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen
}

kv_build() {
  local root="$1"
  # Paths relative to the checkout, so that a second clone (CI) reuses the
  # compiler cache of the first.
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build" -j"$(nproc)"
}
