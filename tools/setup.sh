#!/usr/bin/env bash
# Installs the Debian packages in tools/debian-packages.txt that are missing
# and configures the build. Sourced by ./play and ./test.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}

missing_packages() {
    local package
    grep -vE '^\s*(#|$)' "$root/tools/debian-packages.txt" | while read -r package; do
        if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]; then
            echo "$package"
        fi
    done
}

install_missing_packages() {
    local missing
    missing=$(missing_packages)
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

install_missing_packages
configure_build "$build_dir"
