# The header-only libraries from Debian (nlohmann-json, standalone Asio), for
# the native and the MinGW build alike. The MinGW toolchain hides /usr/include
# from every search, and putting /usr/include on the include path would bring
# glibc's headers into a Windows build: each library's own headers are linked
# into a folder of the build tree instead, and that folder goes on the path.
set(WIFI_HEADER_ROOT /usr/include CACHE PATH "Where the header-only libraries are installed")
set(staged ${PROJECT_BINARY_DIR}/staged-headers)
file(MAKE_DIRECTORY ${staged})
foreach(entry nlohmann asio asio.hpp)
    if(NOT EXISTS ${WIFI_HEADER_ROOT}/${entry})
        message(FATAL_ERROR "${WIFI_HEADER_ROOT}/${entry} is missing: run scripts/setup")
    endif()
    file(CREATE_LINK ${WIFI_HEADER_ROOT}/${entry} ${staged}/${entry} SYMBOLIC)
endforeach()
add_library(wifi_headers INTERFACE)
target_include_directories(wifi_headers SYSTEM INTERFACE ${staged})
target_compile_definitions(wifi_headers INTERFACE ASIO_STANDALONE ASIO_NO_DEPRECATED)
if(WIN32)
    # Asio's Windows parts need the Windows 7 API.
    target_compile_definitions(wifi_headers INTERFACE _WIN32_WINNT=0x0601)
endif()
