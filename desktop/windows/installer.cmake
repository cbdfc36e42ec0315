# The zip and the installer of the Windows download: the windows_package
# target installs the folder into a staging folder and packs it
# (pack.cmake), for ./package windows.
#
# The installer is our own NSIS script, not CPack's: CPack's NSIS template
# asks for administrator rights and installs for every user, while this one
# installs for the current user alone, names its Start-menu entries in the
# user's language and removes exactly the files it installed.
set(WINDOWS_PACKAGE chance-games-${PROJECT_VERSION}-windows-x64)
set(UNINSTALL_ID chance-games)
list(GET GAMES 0 ICON_PROGRAM)

# NSIS knows a language by its English name.
set(nsis_language_en English)
set(nsis_language_ru Russian)
# English first: NSIS speaks its first language where the user's is not there.
set(installer_languages ${languages})
list(REMOVE_ITEM installer_languages en)
list(PREPEND installer_languages en)
set(NSIS_LANGUAGES "")
set(MENU_NAMES "")
set(CREATE_SHORTCUTS "")
set(DELETE_SHORTCUTS "")
foreach(language IN LISTS installer_languages)
    if(NOT DEFINED nsis_language_${language})
        message(WARNING "The installer names its Start-menu entries in ${language} as in English: "
                        "desktop/windows/installer.cmake lacks NSIS's name of the language")
        continue()
    endif()
    string(APPEND NSIS_LANGUAGES "!insertmacro MUI_LANGUAGE \"${nsis_language_${language}}\"\n")
endforeach()
# The entries' names, also for tools/windows/check-installer: a line
# "<game> <language> <name>" each.
set(start_menu "")
foreach(game IN LISTS GAMES)
    set(names "")
    foreach(language IN LISTS installer_languages)
        if(DEFINED nsis_language_${language})
            game_menu_name(${game} ${language} name)
            string(TOUPPER ${nsis_language_${language}} id)
            string(APPEND MENU_NAMES "LangString menu_${game} \${LANG_${id}} \"${name}\"\n")
            string(APPEND start_menu "${game} ${language} ${name}\n")
            list(APPEND names "${name}")
        endif()
    endforeach()
    string(APPEND CREATE_SHORTCUTS "    CreateShortcut \"$SMPROGRAMS\\$(menu_${game}).lnk\" \"$INSTDIR\\${game}.exe\"\n")
    # Whatever language it was installed in.
    list(REMOVE_DUPLICATES names)
    foreach(name IN LISTS names)
        string(APPEND DELETE_SHORTCUTS "    Delete \"$SMPROGRAMS\\${name}.lnk\"\n")
    endforeach()
endforeach()
set(VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
string(SUBSTRING ${GAMES_RELEASE_DATE} 0 4 YEAR)
configure_file(installer.nsi.in installer.nsi @ONLY)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/start-menu.txt "${start_menu}")

find_program(MAKENSIS makensis REQUIRED)
find_program(ZIP zip REQUIRED)
add_custom_target(windows_package
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
            -DSTAGE=${CMAKE_CURRENT_BINARY_DIR}/stage -DNAME=${WINDOWS_PACKAGE}
            -DNSI=${CMAKE_CURRENT_BINARY_DIR}/installer.nsi
            -DMAKENSIS=${MAKENSIS} -DZIP=${ZIP} -DOUT=${PROJECT_BINARY_DIR}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/pack.cmake
    USES_TERMINAL VERBATIM)
add_dependencies(windows_package ${GAMES})
