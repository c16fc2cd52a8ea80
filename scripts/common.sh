# Shared by the start and test commands: installs what is missing, then configures
# and builds. Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
    qt6-translations-l10n desktop-file-utils appstream fonts-noto-cjk dosfstools
    libcurl4-openssl-dev python3-aiosmtpd openssl nlohmann-json3-dev)

install_missing_packages() {
    local missing=()
    for package in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

# configure_and_build BUILD_DIR [TARGET] [-- cmake options...]
configure_and_build() {
    local build_dir="$1"
    shift
    local target=()
    if [ $# -gt 0 ] && [ "$1" != "--" ]; then
        target=(--target "$1")
        shift
    fi
    [ "${1:-}" = "--" ] && shift
    cmake -S "$ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$build_dir" -j "$(nproc)" "${target[@]}"
}
