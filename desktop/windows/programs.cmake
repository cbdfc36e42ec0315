# The Windows build's names for what the Linux package calls chance-games,
# for the version information, the read-me and the installer.
set(GAMES_WINDOWS_PRODUCT "Chance games")
set(GAMES_WINDOWS_PUBLISHER "The chance games developers")

# What makes a game's program a Windows program besides WIN32 (no console):
# its icon, every size of the game's icon (games/<game>/icons/<game>.ico,
# packed by tools/icons/window_icons.py), which Explorer, the taskbar and
# the Start menu show and Qt gives a window without one of its own
# (IDI_ICON1), and its version information.
enable_language(RC)

function(add_windows_program_resources game)
    game_names(${game} NAME id)
    set(GAME ${game})
    set(ICON ${PROJECT_SOURCE_DIR}/games/${game}/icons/${game}.ico)
    string(REPLACE "." "," VERSION_NUMBERS "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
    string(SUBSTRING ${GAMES_RELEASE_DATE} 0 4 YEAR)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${game}.rc)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/game.rc.in ${rc} @ONLY)
    target_sources(${game} PRIVATE ${rc})
    # windres reads the icon itself: a redrawn icon rebuilds the program.
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${ICON})
endfunction()
