# What the Windows scripts share, on top of tools/setup.sh: Qt for Windows,
# configuring a cross build, an X server for the games' windows and
# starting a game under Wine. Sourced; it only defines functions.
windows_tools=$root/tools/windows

# windows_qt: the folder of Qt for Windows, built first if need be.
windows_qt() {
    "$windows_tools/build-qt"
}

# configure_windows_build DIR [CMAKE OPTIONS...]: configures DIR as a cross
# build for 64-bit Windows with Qt's own toolchain file, which loads ours
# (mingw-w64.cmake) and then the games' additions (games.cmake); moc, rcc,
# lrelease and lupdate are the host's.
configure_windows_build() {
    local dir=$1 qt
    shift
    qt=$(windows_qt)
    configure_build "$dir" -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$windows_tools/mingw-w64.cmake" \
        -DQT_TOOLCHAIN_INCLUDE_FILE="$windows_tools/games.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        "$@"
}

# windows_languages: the languages the games speak, one a line: Russian,
# their own, and those of their translations.
windows_languages() {
    {
        echo ru
        find "$root/games" -path '*/translations/*_*.ts' | sed 's/.*_\([^_]*\)\.ts$/\1/'
    } | awk '!seen[$0]++'
}

# start_x_server: an X server of our own for the games' windows (DISPLAY);
# stop_x_server stops it.
start_x_server() {
    local fifo display
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    x_server=$!
    read -r -t 30 display <"$fifo" || { echo "Xvfb did not start" >&2; rm -f "$fifo"; return 1; }
    rm -f "$fifo"
    export DISPLAY=:$display
}
stop_x_server() {
    if [ -n "${x_server:-}" ]; then kill "$x_server" 2>/dev/null || true; fi
}

# prepare_wine_prefix PREFIX: sets PREFIX up (some 15 s the first time).
prepare_wine_prefix() {
    "$windows_tools/wine-run" --prefix "$1" --timeout 120 cmd /c exit 0 >/dev/null
}

# shown_window_title PROGRAM: the title of a window of PROGRAM (pendlow.exe)
# that is on the screen, if there is one.
shown_window_title() {
    local id
    for id in $(xwininfo -root -tree 2>/dev/null | grep -F "(\"$1\" " | grep -vF '"Default IME"' |
        grep -oE '^ *0x[0-9a-f]+' || true); do
        local info
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        if grep -q 'Map State: IsViewable' <<<"$info"; then
            sed -n 's/^xwininfo: Window id: [^ ]* "\(.*\)"$/\1/p' <<<"$info"
            return 0
        fi
    done
}

# window_caption GAME LANGUAGE: the caption of GAME's main window in
# LANGUAGE: the Russian of the menu's name (gameinfo.cmake's name_ru), or
# its translation in the game's translations/<game>_<language>.ts.
window_caption() {
    local game=$1 language=$2 russian
    russian=$(sed -n 's/^set(name_ru "\(.*\)")$/\1/p' "$root/games/$game/gameinfo.cmake")
    if [ "$language" = ru ]; then
        echo "$russian"
        return
    fi
    # The caption as the description writes it may start with a blank.
    awk -v source="$russian" '
        /<source>/ { text = $0; sub(/.*<source> */, "", text); sub(/<\/source>.*/, "", text); found = (text == source) }
        found && /<translation>/ { sub(/.*<translation> */, ""); sub(/<\/translation>.*/, ""); print; exit }
    ' "$root/games/$game/translations/${game}_$language.ts"
}

# windows_locale LANGUAGE: a locale for a Windows in LANGUAGE (ru_RU.UTF-8).
windows_locale() {
    case $1 in
        en) echo en_US.UTF-8 ;;
        *) echo "$1_${1^^}.UTF-8" ;;
    esac
}

# check_game_starts FOLDER GAME LANGUAGE PREFIX: starts FOLDER/GAME.exe
# under Wine in PREFIX with Windows in LANGUAGE (ru, en) and waits for its
# main window with the caption in that language; prints what went wrong.
check_game_starts() {
    local folder=$1 game=$2 language=$3 prefix=$4 locale expected title="" log status
    locale=$(windows_locale "$language")
    expected=$(window_caption "$game" "$language")
    log=$(mktemp)
    # On the screen, whatever platform the tests chose.
    env -u QT_QPA_PLATFORM "$windows_tools/wine-run" --prefix "$prefix" --timeout 60 --locale "$locale" \
        "$folder/$game.exe" >"$log" 2>&1 &
    local run=$!
    for _ in $(seq 1 80); do
        title=$(shown_window_title "$game.exe")
        [ -n "$title" ] && break
        kill -0 "$run" 2>/dev/null || break
        sleep 0.25
    done
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    status=0
    wait "$run" || status=$?
    if [ -z "$title" ]; then
        echo "$game.exe showed no window (it ended with $status):"
        sed 's/^/    /' "$log" | head -n 20
    elif [ "${title# }" != "${expected# }" ]; then
        echo "$game.exe in $language: its window is titled '$title' instead of '$expected':"
        sed 's/^/    /' "$log" | head -n 20
    fi
    rm -f "$log"
}
