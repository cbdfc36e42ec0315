# Runs at install time: installs a game's menu entry with Exec naming the
# installed program by its full path. The menu then finds the game even when
# the prefix's bin is not on the session's PATH, as after a first install
# into ~/.local; menus leave out entries whose program they cannot find.
function(install_menu_entry source game staging bindir datadir)
    get_filename_component(entry ${source} NAME)
    get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
    set(program "${prefix}/${bindir}/${game}")
    if(program MATCHES " ")
        set(program "\"${program}\"")
    endif()
    file(READ ${source} text)
    string(REGEX REPLACE "\nExec=[^\n]*" "\nExec=${program}" text "${text}")
    file(WRITE ${staging}/${entry} "${text}")
    file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${datadir}/applications" TYPE FILE
         FILES ${staging}/${entry})
    # So the entry is in install_manifest.txt, with the rest, for uninstalling.
    set(CMAKE_INSTALL_MANIFEST_FILES ${CMAKE_INSTALL_MANIFEST_FILES} PARENT_SCOPE)
endfunction()
