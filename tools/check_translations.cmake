# Runs lupdate over a game's sources into copies of its .ts files and fails
# when any text has no finished translation: a new or changed caption, box
# text or message shows up as unfinished.
#   cmake -DLUPDATE=... -DTS_FILES=a.ts;b.ts -DSOURCES=... -DWORK=dir -P check_translations.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failed "")
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK}/${name})
    file(COPY_FILE ${ts} ${copy})
    execute_process(COMMAND ${LUPDATE} -silent -locations none ${SOURCES} -ts ${copy}
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(READ ${copy} content)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"unfinished\"" unfinished "${content}")
    foreach(entry IN LISTS unfinished)
        string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" text "${entry}")
        message("${name}: no finished translation for \"${text}\"")
        list(APPEND failed ${name})
    endforeach()
endforeach()
if(failed)
    message(FATAL_ERROR "Translate these texts (lupdate, then Qt Linguist) in the files named above.")
endif()
