# Run by `cmake --install` after the programs and plugins are in place:
# copies beside them every DLL they import, directly or through another,
# that DEPLOY_DIRECTORIES (Qt's bin/, MinGW's runtime) hold, with its
# licence. What none of those folders holds is Windows' own (KERNEL32.dll,
# USER32.dll, ...); tools/windows/check-imports checks that Wine has each.
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
list(TRANSFORM DEPLOY_PROGRAMS PREPEND "${folder}/")
list(TRANSFORM DEPLOY_PLUGINS PREPEND "${folder}/")

# CMake looks for the names in lower case, as Windows would find them
# whatever their case: on Linux, Qt6Core.dll is found as qt6core.dll
# through a link in DEPLOY_NAMES.
file(REMOVE_RECURSE "${DEPLOY_NAMES}")
file(MAKE_DIRECTORY "${DEPLOY_NAMES}")
foreach(directory IN LISTS DEPLOY_DIRECTORIES)
    file(GLOB dlls "${directory}/*.dll")
    foreach(dll IN LISTS dlls)
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" lower)
        if(NOT EXISTS "${DEPLOY_NAMES}/${lower}")
            file(CREATE_LINK "${dll}" "${DEPLOY_NAMES}/${lower}" SYMBOLIC)
        endif()
    endforeach()
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${DEPLOY_OBJDUMP})
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${DEPLOY_PROGRAMS}
    MODULES ${DEPLOY_PLUGINS}
    DIRECTORIES "${DEPLOY_NAMES}"
    RESOLVED_DEPENDENCIES_VAR libraries
    UNRESOLVED_DEPENDENCIES_VAR windows_libraries
    CONFLICTING_DEPENDENCIES_PREFIX conflicting)
# Installed before: the copy beside the programs and ours.
foreach(name IN LISTS conflicting_FILENAMES)
    list(APPEND libraries "${DEPLOY_NAMES}/${name}")
endforeach()

set(licences "${folder}/licenses")
set(deployed "")
foreach(library IN LISTS libraries)
    get_filename_component(library "${library}" REALPATH)
    file(INSTALL "${library}" DESTINATION "${folder}")
    get_filename_component(name "${library}" NAME)
    list(APPEND deployed "${folder}/${name}")
    string(FIND "${library}" "${DEPLOY_QT_PREFIX}/" in_qt)
    if(in_qt EQUAL 0)
        set(qt_deployed TRUE)
        continue()
    endif()
    # The rest is Debian's (MinGW's runtime): its package's copyright file.
    execute_process(COMMAND dpkg-query -S "${library}"
                    OUTPUT_VARIABLE owner OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE ":.*" "" package "${owner}")
    file(INSTALL "/usr/share/doc/${package}/copyright" DESTINATION "${licences}" RENAME "${package}.txt")
endforeach()
if(qt_deployed)
    # Kept by tools/windows/build-qt from Qt's source package.
    file(INSTALL "${DEPLOY_QT_PREFIX}/licenses/qt6-base" DESTINATION "${licences}")
endif()

# install(TARGETS) strips the programs; the rest is stripped here.
if(CMAKE_INSTALL_DO_STRIP)
    foreach(library IN LISTS deployed DEPLOY_PLUGINS)
        execute_process(COMMAND ${DEPLOY_STRIP} "${library}" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()
