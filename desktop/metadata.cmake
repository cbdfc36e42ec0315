# Each game's menu entry, manual pages (English and Russian, section 6,
# gzipped as Debian does) and software-centre metadata, made from templates/
# and the game's games/<game>/gameinfo.cmake with the version of project().
#
# gameinfo.cmake says what the game is and how it is played, in English and
# Russian. Lists hold paragraphs, so the texts have no semicolons. name_ru is
# the window's own title; rating is the OARS money-gambling level: moderate
# where the player stakes play money, mild where dice only add up prizes.

# Every game's metadata says which languages it speaks.
set(GAMES_LANGUAGES_EN "The game speaks the language of the desktop: Russian or English.")
set(GAMES_LANGUAGES_RU "Игра говорит на языке рабочего стола: по-русски или по-английски.")

function(xml_escape out text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A paragraph that starts with a dot or a quote would read as a request.
function(roff_paragraphs out)
    foreach(paragraph IN LISTS ARGN)
        string(REPLACE "\\" "\\e" paragraph "${paragraph}")
        if(paragraph MATCHES "^[.']")
            set(paragraph "\\&${paragraph}")
        endif()
        list(APPEND paragraphs "${paragraph}")
    endforeach()
    list(JOIN paragraphs "\n.PP\n" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# describe_game(GAME): makes the game's menu entry, installs its manual
# pages and metadata, and appends its files to game_entries,
# game_metadata_files and game_pages.
# A function, so no game's texts stand in for another's missing ones.
function(describe_game game)
    include(${PROJECT_SOURCE_DIR}/games/${game}/gameinfo.cmake)
    game_names(${game} NAME APP_ID)
    set(PROGRAM ${game})
    string(TOUPPER ${game} PROGRAM_UPPER)
    set(NAME_RU "${name_ru}")
    set(RATING ${rating})

    # The menu shows Name[ru] to Russian readers where the window's title differs.
    set(NAME_RU_LINE "")
    if(NOT name_ru STREQUAL NAME)
        set(NAME_RU_LINE "Name[ru]=${name_ru}\n")
    endif()
    foreach(language en ru)
        string(TOUPPER ${language} upper)
        set(MENU_COMMENT_${upper} "${menu_comment_${language}}")
        set(KEYWORDS_${upper} "${keywords_${language}};")
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
    foreach(language en ru)
        set(SUMMARY "${summary_${language}}")
        roff_paragraphs(ABOUT "${about_${language}}")
        roff_paragraphs(RULES "${rules_${language}}")
        if(language STREQUAL "en")
            set(template game.6.in)
            set(section man6)
        else()
            set(template game.${language}.6.in)
            set(section ${language}/man6)
        endif()
        set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${section}/${game}.6)
        configure_file(templates/${template} ${page} @ONLY)
        add_custom_command(OUTPUT ${page}.gz COMMAND gzip -9nkf ${page} DEPENDS ${page} VERBATIM)
        install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${section})
        list(APPEND pages ${page}.gz)
    endforeach()

    foreach(field summary caption)
        foreach(language en ru)
            string(TOUPPER "${field}_${language}" key)
            xml_escape(${key} "${${field}_${language}}")
        endforeach()
    endforeach()
    xml_escape(about_en "${about_en}")
    xml_escape(about_ru "${about_ru}")
    string(CONCAT DESCRIPTION "    <p>${about_en}</p>\n    <p xml:lang=\"ru\">${about_ru}</p>\n"
        "    <p>${GAMES_LANGUAGES_EN}</p>\n    <p xml:lang=\"ru\">${GAMES_LANGUAGES_RU}</p>")
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
