# game_menu_name(GAME LANGUAGE OUT): the name of GAME's menu entry in
# LANGUAGE, as its Linux menu entry gives it (Name=, Name[xx]=): the
# program's name, or the menu name its description in that language gives. The one place that reads it, for the Start-menu entries and the
# read-me.
function(game_menu_name game language out)
    game_names(${game} name id)
    unset(menu_name)
    set(description ${PROJECT_SOURCE_DIR}/games/${game}/descriptions/${language}.cmake)
    if(EXISTS ${description})
        include(${description})
    endif()
    if(NOT "${menu_name}" STREQUAL "")
        set(name "${menu_name}")
    endif()
    set(${out} "${name}" PARENT_SCOPE)
endfunction()

# windows_languages(OUT): the languages the games speak, the source
# language (Russian) first, from the translations that are there.
function(windows_languages out)
    set(languages ru)
    file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/games/*/translations/*_*.ts)
    foreach(ts IN LISTS ts_files)
        get_filename_component(base ${ts} NAME_WE)
        string(REGEX REPLACE "^.*_" "" language ${base})
        list(APPEND languages ${language})
    endforeach()
    list(REMOVE_DUPLICATES languages)
    set(${out} ${languages} PARENT_SCOPE)
endfunction()
