#!/usr/bin/env bash
# Installs the Debian packages in tools/debian-packages.txt that are missing
# and configures the build. Sourced by ./play and ./test; ./package sets
# SETUP_FUNCTIONS_ONLY=1 and calls the functions with its own lists and folder.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}

# missing_packages LIST...
missing_packages() {
    local package
    grep -hvE '^\s*(#|$)' "$@" | while read -r package; do
        if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]; then
            echo "$package"
        fi
    done
}

# install_missing_packages [LIST...]: tools/debian-packages.txt by default.
install_missing_packages() {
    local missing
    missing=$(missing_packages "${@:-$root/tools/debian-packages.txt}")
    [ -z "$missing" ] && return 0
    echo "Installing: $(echo $missing)"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends $missing
}

# configure_build DIR [CMAKE OPTIONS...]: configures DIR once; later builds
# only rebuild what changed.
configure_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
}

if [ -z "${SETUP_FUNCTIONS_ONLY:-}" ]; then
    install_missing_packages
    configure_build "$build_dir"
fi
