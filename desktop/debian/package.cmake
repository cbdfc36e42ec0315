# The Debian package, made by ./package with CPack's DEB generator: it packs
# the very install rules that `cmake --install` runs and takes the version
# from project() alone, where debhelper would want a debian/ tree with a
# changelog that repeats the version.
set(PACKAGE chance-games)
set(MAINTAINER "The chance games developers <maintainers@chancegames.github.io>")
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/${PACKAGE})
set(staging ${CMAKE_CURRENT_BINARY_DIR}/debian)

# A licence text as the copyright format wants it: each line indented by one
# blank, an empty line written as a dot.
function(copyright_license_text out file pattern)
    file(READ ${file} text)
    string(REGEX MATCH "${pattern}" text "${text}")
    string(STRIP "${text}" text)
    while(text MATCHES "\n[ \t]*\n")
        string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" text "${text}")
    endwhile()
    string(REPLACE "\n" "\n " text " ${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()
copyright_license_text(EXPAT_TEXT ${PROJECT_SOURCE_DIR}/LICENSE "Permission is hereby.*SOFTWARE\\.")
copyright_license_text(OFL_TEXT ${PROJECT_SOURCE_DIR}/shell/fonts/OFL-ComicRelief.txt "SIL OPEN FONT LICENSE.*")
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${staging}/copyright @ONLY)

execute_process(COMMAND date -u -R -d ${GAMES_RELEASE_DATE}
                OUTPUT_VARIABLE RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${staging}/changelog @ONLY)
add_custom_command(OUTPUT ${staging}/changelog.gz COMMAND gzip -9nkf ${staging}/changelog
                   DEPENDS ${staging}/changelog VERBATIM)

install(FILES ${staging}/copyright ${staging}/changelog.gz DESTINATION ${docdir})

# Everything the package holds; ./package builds this, then runs cpack.
add_custom_target(package_contents DEPENDS ${staging}/changelog.gz)
add_dependencies(package_contents ${GAMES} manual_pages)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PACKAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The install rules then see /usr as the prefix, so the menu entries name
# /usr/games/<game>; CPack's staging folder goes into DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small games of chance in Russian and English")
# "Marrowby, Quillsey, ... and Pendlow", from games/list.txt.
set(names "")
foreach(game IN LISTS GAMES)
    game_names(${game} name id)
    list(APPEND names ${name})
endforeach()
list(POP_BACK names last)
list(JOIN names ", " names)
set(CPACK_PACKAGE_DESCRIPTION
    "${names} and ${last} are small
desktop games of chance, played with play money: dice for two players,
dice and number draws against the computer, stakes on coins and bets on
number fields. Each game is its own program, with a menu entry, an icon
and a manual page, and speaks the desktop's language: Russian or English.")
# Libraries from the programs themselves; the xcb platform plugin and the
# image plugins the games load come with libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
