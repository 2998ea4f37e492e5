# The Windows version resource (and the icon) of a program, from
# res/version.rc.in and the project's version.
function(wifi_version_resource target description)
    if(NOT WIN32)
        return()
    endif()
    string(REPLACE "." ", " RC_VERSION_TEXT "${PROJECT_VERSION}")
    set(RC_PROGRAM ${target})
    set(RC_DESCRIPTION "${description}")
    configure_file(${PROJECT_SOURCE_DIR}/res/version.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
