# Shared by scripts/test and scripts/run: install what the build needs, then build.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${VORNA_BUILD_DIR:-$ROOT/build}"

PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libsqlite3-dev sqlite3
          libgtest-dev libgmock-dev libbenchmark-dev poppler-utils fonts-dejavu-core
          qt6-translations-l10n)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    local SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build [cmake options...]: configures $BUILD with the options, then builds it.
build() {
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$BUILD" -j "${VORNA_JOBS:-$(nproc)}"
}
