# What the games' Windows build adds to the toolchain: Qt's own toolchain
# file (in the Qt for Windows that build-qt makes) loads mingw-w64.cmake,
# then this. Wine runs whatever the build and CTest start (Tessaly's coin
# painter, the tests, the screenshot tool), in a Wine prefix of the build
# folder's own, loading the DLLs from Qt's bin/ and MinGW's runtime.
# Loaded once for each language and try_compile: the list starts afresh.
set(GAMES_WINDOWS_RUNTIME_DIRS "")
foreach(runtime_dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime_dll}
                    OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(runtime_dir ${runtime_dll} DIRECTORY)
    get_filename_component(runtime_dir ${runtime_dir} REALPATH)
    list(APPEND GAMES_WINDOWS_RUNTIME_DIRS ${runtime_dir})
endforeach()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run
    --prefix ${CMAKE_BINARY_DIR}/wine
    --path ${QT_TOOLCHAIN_RELOCATABLE_INSTALL_PREFIX}/bin)
foreach(runtime_dir IN LISTS GAMES_WINDOWS_RUNTIME_DIRS)
    list(APPEND CMAKE_CROSSCOMPILING_EMULATOR --path ${runtime_dir})
endforeach()
