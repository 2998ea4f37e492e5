# The Windows version resource (and the icon) of a program, from
# res/version.rc.in and the project's version.
function(wifi_version_resource target description description_zh)
    if(NOT WIN32)
        return()
    endif()
    set(RC_PROGRAM ${target})
    set(RC_DESCRIPTION "${description}")
    set(RC_DESCRIPTION_ZH "${description_zh}")
    configure_file(${PROJECT_SOURCE_DIR}/res/version.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
