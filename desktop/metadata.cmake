# Each game's menu entry, manual pages (section 6, gzipped as Debian does)
# and software-centre metadata, in every language it speaks, made from
# templates/, languages/ and the game's descriptions with the version of
# project().
#
# A language is files: games/<game>/descriptions/<language>.cmake says what
# the game is and how it is played, and desktop/languages/<language>.cmake and
# <language>.6.in hold what every game's metadata and manual page say in it.
# English is the fallback: its texts are the unmarked ones (Comment=, man6/).
# Lists hold paragraphs, so the texts have no semicolons, keywords aside.

set(GAMES_FALLBACK_LANGUAGE en)
set(description_fields menu_name summary whatis caption about rules menu_comment keywords)
set(required_fields summary caption about rules menu_comment keywords)

# game_languages(GAME OUT): the languages GAME has a description in, the
# fallback first.
function(game_languages game out)
    file(GLOB files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/games/${game}/descriptions/*.cmake)
    set(languages ${GAMES_FALLBACK_LANGUAGE})
    foreach(file IN LISTS files)
        get_filename_component(language ${file} NAME_WE)
        list(APPEND languages ${language})
    endforeach()
    list(REMOVE_DUPLICATES languages)
    set(${out} ${languages} PARENT_SCOPE)
endfunction()

# read_description(GAME LANGUAGE): sets <language>_<field> in the caller for
# every field of the game's description in that language, and the shared
# texts of the language (<language>_speaks_languages). A function, so no
# language's texts stand in for another's missing ones.
function(read_description game language)
    set(file ${PROJECT_SOURCE_DIR}/games/${game}/descriptions/${language}.cmake)
    set(shared ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/languages/${language}.cmake)
    foreach(needed ${file} ${shared} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/languages/${language}.6.in)
        if(NOT EXISTS ${needed})
            message(FATAL_ERROR "${game} speaks '${language}', but ${needed} is missing")
        endif()
    endforeach()
    include(${file})
    include(${shared})
    if(NOT DEFINED whatis)
        set(whatis "${summary}")
    endif()
    foreach(field IN LISTS required_fields)
        if(NOT DEFINED ${field})
            message(FATAL_ERROR "${file} sets no ${field}")
        endif()
    endforeach()
    foreach(field IN LISTS description_fields ITEMS speaks_languages)
        set(${language}_${field} "${${field}}" PARENT_SCOPE)
    endforeach()
endfunction()

function(xml_escape out text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Paragraphs as roff: *Name* is a control's name, set in bold, and a
# paragraph that starts with a dot or a quote would read as a request.
function(roff_paragraphs out)
    foreach(paragraph IN LISTS ARGN)
        string(REPLACE "\\" "\\e" paragraph "${paragraph}")
        string(REGEX REPLACE "\\*([^*]+)\\*" "\\\\fB\\1\\\\fR" paragraph "${paragraph}")
        if(paragraph MATCHES "^[.']")
            set(paragraph "\\&${paragraph}")
        endif()
        list(APPEND paragraphs "${paragraph}")
    endforeach()
    list(JOIN paragraphs "\n.PP\n" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Without the markup, for the metadata and the menu.
function(plain_text out text)
    string(REGEX REPLACE "\\*([^*]+)\\*" "\\1" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The line a localised text takes in the metadata: <tag> for the fallback,
# <tag xml:lang="de"> for the rest.
function(xml_element out indent tag language text)
    xml_escape(text "${text}")
    set(lang "")
    if(NOT language STREQUAL GAMES_FALLBACK_LANGUAGE)
        set(lang " xml:lang=\"${language}\"")
    endif()
    set(${out} "${indent}<${tag}${lang}>${text}</${tag}>\n" PARENT_SCOPE)
endfunction()

# describe_game(GAME): makes the game's menu entry, installs its manual
# pages and metadata, and appends its files to game_entries,
# game_metadata_files and game_pages.
function(describe_game game)
    include(${PROJECT_SOURCE_DIR}/games/${game}/gameinfo.cmake)
    game_names(${game} NAME APP_ID)
    set(PROGRAM ${game})
    string(TOUPPER ${game} PROGRAM_UPPER)
    set(RATING ${rating})
    game_languages(${game} languages)
    foreach(language IN LISTS languages)
        read_description(${game} ${language})
    endforeach()

    # The menu entry: the fallback's texts unmarked, the others' by key.
    set(fallback ${GAMES_FALLBACK_LANGUAGE})
    set(MENU_COMMENT "${${fallback}_menu_comment}")
    set(KEYWORDS "${${fallback}_keywords};")
    set(LOCALISED_NAMES "")
    set(LOCALISED_COMMENTS "")
    set(LOCALISED_KEYWORDS "")
    foreach(language IN LISTS languages)
        if(NOT "${${language}_menu_name}" STREQUAL "")
            string(APPEND LOCALISED_NAMES "Name[${language}]=${${language}_menu_name}\n")
        endif()
        if(NOT language STREQUAL fallback)
            string(APPEND LOCALISED_COMMENTS "Comment[${language}]=${${language}_menu_comment}\n")
            string(APPEND LOCALISED_KEYWORDS "Keywords[${language}]=${${language}_keywords};\n")
        endif()
    endforeach()
    set(entry ${CMAKE_CURRENT_BINARY_DIR}/applications/${APP_ID}.desktop)
    configure_file(templates/game.desktop.in ${entry} @ONLY)

    set(others "")
    foreach(other IN LISTS GAMES)
        if(NOT other STREQUAL game)
            list(APPEND others "\\fB${other}\\fR(6)")
        endif()
    endforeach()
    list(JOIN others ",\n" SEE_ALSO)
    set(pages "")
    set(NAMES "")
    set(SUMMARIES "")
    set(DESCRIPTION "")
    set(CAPTIONS "")
    set(LANGUAGES "")
    foreach(language IN LISTS languages)
        # The manual page, found by man -L <language>.
        set(WHATIS "${${language}_whatis}")
        roff_paragraphs(ABOUT "${${language}_about}")
        roff_paragraphs(RULES "${${language}_rules}")
        set(section ${language}/man6)
        if(language STREQUAL fallback)
            set(section man6)
        endif()
        set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${section}/${game}.6)
        configure_file(languages/${language}.6.in ${page} @ONLY)
        add_custom_command(OUTPUT ${page}.gz COMMAND gzip -9nkf ${page} DEPENDS ${page} VERBATIM)
        install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${section})
        list(APPEND pages ${page}.gz)

        # The metadata's texts in this language.
        if(NOT "${${language}_menu_name}" STREQUAL "")
            xml_element(line "  " name ${language} "${${language}_menu_name}")
            string(APPEND NAMES "${line}")
        endif()
        xml_element(line "  " summary ${language} "${${language}_summary}")
        string(APPEND SUMMARIES "${line}")
        plain_text(about "${${language}_about}")
        list(JOIN about " " about)
        xml_element(line "    " p ${language} "${about}")
        string(APPEND DESCRIPTION "${line}")
        xml_element(line "    " p ${language} "${${language}_speaks_languages}")
        string(APPEND DESCRIPTION "${line}")
        xml_element(line "      " caption ${language} "${${language}_caption}")
        string(APPEND CAPTIONS "${line}")
        string(APPEND LANGUAGES "    <lang>${language}</lang>\n")
    endforeach()
    if(NOT EXISTS ${PROJECT_SOURCE_DIR}/docs/gallery/${game}.png)
        message(WARNING "docs/gallery/${game}.png is missing: the metadata's screenshot names it")
    endif()
    set(metainfo ${CMAKE_CURRENT_BINARY_DIR}/metainfo/${APP_ID}.metainfo.xml)
    configure_file(templates/game.metainfo.xml.in ${metainfo} @ONLY)
    install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    set(game_entries ${game_entries} ${entry} PARENT_SCOPE)
    set(game_metadata_files ${game_metadata_files} ${metainfo} PARENT_SCOPE)
    set(game_pages ${game_pages} ${pages} PARENT_SCOPE)
endfunction()
