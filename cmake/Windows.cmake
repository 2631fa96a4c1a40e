# The Windows build: one statically linked executable each, with the program icon and a version
# resource, so that it runs from any folder with no DLL beside it.
enable_language(RC)
if(NOT MSVC)
    # The MinGW runtime (libstdc++, libgcc, winpthread) goes inside the executables too.
    target_link_options(quarrow_options INTERFACE -static $<$<CONFIG:Release>:-s>)
endif()

function(quarrow_windows_resource target description)
    set(QUARROW_TARGET ${target})
    set(QUARROW_FILE_DESCRIPTION "${description}")
    set(QUARROW_ICON "${PROJECT_SOURCE_DIR}/data/windows/quarrow.ico")
    configure_file(${PROJECT_SOURCE_DIR}/data/windows/quarrow.rc.in ${CMAKE_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/${target}.rc)
endfunction()
