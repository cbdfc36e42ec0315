# Makes OUT/NAME.zip and OUT/NAME-setup.exe from the build in BUILD_DIR:
# installs it, stripped, into STAGE/NAME, then zips that folder and builds
# the installer NSI over it. The same source gives the same zip, byte for
# byte: every file takes SOURCE_DATE_EPOCH as its time, the entries go in
# the order of their names and hold no owner nor extra times, and DOS times
# are read in UTC.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not set (./package windows sets it)")
endif()
set(folder ${STAGE}/${NAME})
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${folder} --strip
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${folder}/*)
list(SORT files)
execute_process(COMMAND touch --no-dereference -d @$ENV{SOURCE_DATE_EPOCH} ${files}
                WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
list(JOIN files "\n" listing)
file(WRITE ${STAGE}/files.txt "${listing}\n")
file(REMOVE ${OUT}/${NAME}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -X -D -9 -q ${OUT}/${NAME}.zip -@
                INPUT_FILE ${STAGE}/files.txt WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)

# What the installer installs and its uninstaller removes, file by file:
# folders it made go only when empty, so nothing the user put there is lost.
set(install "!macro install_files\n")
set(remove "!macro remove_files\n")
set(folders "")
set(current "none yet")
set(bytes 0)
foreach(file IN LISTS files)
    string(REPLACE "${NAME}/" "" inside "${file}")
    string(REPLACE "/" "\\" windows "${inside}")
    get_filename_component(subfolder "${inside}" DIRECTORY)
    if(NOT subfolder STREQUAL current)
        set(current "${subfolder}")
        string(REPLACE "/" "\\" windows_subfolder "\\${subfolder}")
        if(subfolder STREQUAL "")
            set(windows_subfolder "")
        endif()
        string(APPEND install "    SetOutPath \"$INSTDIR${windows_subfolder}\"\n")
        while(NOT subfolder STREQUAL "")
            string(REPLACE "/" "\\" windows_subfolder "${subfolder}")
            list(APPEND folders "${windows_subfolder}")
            get_filename_component(subfolder "${subfolder}" DIRECTORY)
        endwhile()
    endif()
    string(APPEND install "    File \"${STAGE}/${file}\"\n")
    string(APPEND remove "    Delete \"$INSTDIR\\${windows}\"\n")
    file(SIZE ${STAGE}/${file} size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
# Deepest first, so that each is empty when its turn comes.
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(subfolder IN LISTS folders)
    string(APPEND remove "    RMDir \"$INSTDIR\\${subfolder}\"\n")
endforeach()
file(WRITE ${STAGE}/files.nsh "${install}!macroend\n${remove}!macroend\n")
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
execute_process(COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DFILES=${STAGE}/files.nsh
                        -DOUTFILE=${OUT}/${NAME}-setup.exe -DSIZE_KB=${kilobytes} ${NSI}
                COMMAND_ERROR_IS_FATAL ANY)
