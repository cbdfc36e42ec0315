#!/usr/bin/env bash
# What the scripts share: the list of games, installing the Debian packages
# they need and configuring a build folder. Sourced by ./play, ./test,
# ./package, bench/run and the tools; it only defines functions.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}

# game_names: the games in games/list.txt, one a line.
game_names() {
    grep -vE '^\s*(#|$)' "$root/games/list.txt" | tr -d '[:blank:]'
}

# app_id_prefix: the reverse-DNS prefix of the games' application ids, as the
# top CMakeLists.txt sets it.
app_id_prefix() {
    sed -n 's/^set(GAMES_APP_ID_PREFIX \([^ )]*\))$/\1/p' "$root/CMakeLists.txt"
}

# icon_sizes: the sizes in pixels of every game's PNG icons, one a line, as
# the top CMakeLists.txt sets them.
icon_sizes() {
    sed -n 's/^set(GAMES_ICON_SIZES \([0-9 ]*\))$/\1/p' "$root/CMakeLists.txt" | tr ' ' '\n'
}

# as_root COMMAND...: runs it as root, through sudo when we are not.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# package_on_machine PACKAGE: dpkg's state of PACKAGE ("install ok installed
# 1.0.0") when any of it is on this machine: installed, half installed, or
# removed with its configuration files left; nothing when none of it is.
package_on_machine() {
    local state
    state=$(dpkg-query -W -f='${Status} ${Version}' "$1" 2>/dev/null || true)
    [[ -z "$state" || "$state" == "unknown ok not-installed"* ]] || echo "$state"
}

# missing_packages LIST...: the packages in those lists that are not installed.
missing_packages() {
    local package
    grep -hvE '^\s*(#|$)' "$@" | while read -r package; do
        if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]; then
            echo "$package"
        fi
    done
}

# install_missing_packages NAME...: installs what is missing of
# tools/packages/NAME.txt (play, test, fuzz, package, bench).
install_missing_packages() {
    local lists=() name missing
    for name in "$@"; do lists+=("$root/tools/packages/$name.txt"); done
    missing=$(missing_packages "${lists[@]}")
    [ -z "$missing" ] && return 0
    echo "Installing: $(echo $missing)"
    as_root apt-get update -qq
    # shellcheck disable=SC2086
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

# configure_build DIR [CMAKE OPTIONS...]: configures DIR, and configures it
# afresh whenever the options, the compilers or the flags in the environment
# differ from those it was last configured with; otherwise later builds only
# rebuild what changed.
configure_build() {
    local dir=$1
    shift
    local options=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@")
    local wanted
    wanted=$(printf '%s\n' "${options[@]}" "CC=${CC:-}" "CXX=${CXX:-}" "CXXFLAGS=${CXXFLAGS:-}" \
        "LDFLAGS=${LDFLAGS:-}")
    local stamp=$dir/configured-with.txt
    if [ -f "$dir/build.ninja" ] && [ "$(cat "$stamp" 2>/dev/null)" = "$wanted" ]; then
        return 0
    fi
    local fresh=()
    if [ -f "$dir/CMakeCache.txt" ]; then
        echo "Configuring $dir again, as it was configured with other options"
        # Without the old cache, an option left out now takes its default.
        fresh=(--fresh)
    fi
    rm -f "$stamp"
    cmake "${fresh[@]}" -S "$root" -B "$dir" "${options[@]}"
    echo "$wanted" >"$stamp"
}

# copy_working_tree DEST: copies the files of the working tree that git
# tracks or would track, as they are now, into DEST, as new files and
# private to the user.
copy_working_tree() {
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do
            if [ -e "$file" ]; then printf '%s\0' "$file"; fi
        done | tar --null -T - -cf -) | (umask 077 && mkdir "$1" && tar -xmf - -C "$1")
}
