# What a Debian package installs, and how CPack makes it (scripts/package).
# The manual pages come from each program's own --help (help2man); the
# completion from wifi-config's option table.
include(GNUInstallDirs)

install(TARGETS wifi-config-gui wifi-config wifi-module-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/res/wifi-config-gui.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN ITEMS 16 32 48 256)
    install(FILES ${PROJECT_SOURCE_DIR}/res/icons/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME wifi-config-gui.png)
endforeach()

find_program(HELP2MAN help2man)
find_program(GZIP gzip)
if(HELP2MAN AND GZIP AND NOT CMAKE_CROSSCOMPILING)
    set(pages)
    foreach(program IN ITEMS wifi-config wifi-config-gui wifi-module-sim)
        if(program STREQUAL "wifi-config")
            set(what "read and write Wi-Fi serial modules from the command line")
        elseif(program STREQUAL "wifi-config-gui")
            set(what "the window that reads and writes a Wi-Fi serial module")
        else()
            set(what "a Wi-Fi serial module on a pseudo-terminal, for trying and testing")
        endif()
        set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
        add_custom_command(OUTPUT ${page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
            # A UTF-8 locale (help2man's own default is C): the help's Chinese
            # words stay words, not "????".
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                    ${HELP2MAN} --no-info --locale=C.UTF-8 --section=1 --name=${what} --output=${page}
                    $<TARGET_FILE:${program}>
            COMMAND ${GZIP} -9nf ${page}
            DEPENDS ${program}
            COMMENT "Manual page of ${program}")
        list(APPEND pages ${page}.gz)
    endforeach()
    set(completion ${CMAKE_BINARY_DIR}/completion/wifi-config)
    add_custom_command(OUTPUT ${completion}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/completion
        COMMAND $<TARGET_FILE:wifi-config> --bash-completion > ${completion}
        DEPENDS wifi-config
        COMMENT "Bash completion of wifi-config")
    add_custom_target(docs ALL DEPENDS ${pages} ${completion})
    install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${completion} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

# Debian policy: every package says who holds the copyright and the licence,
# and a native package carries its changelog, compressed for good.
install(FILES ${PROJECT_SOURCE_DIR}/res/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wifi-config)
if(GZIP AND NOT CMAKE_CROSSCOMPILING)
    set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
    add_custom_command(OUTPUT ${changelog}
        COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/res/changelog > ${changelog}
        DEPENDS ${PROJECT_SOURCE_DIR}/res/changelog
        COMMENT "The package's changelog")
    add_custom_target(changelog ALL DEPENDS ${changelog})
    install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wifi-config)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wifi-config)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "wifi-config maintainers <wifi-config@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure Wi-Fi-to-serial (UART) modules over a serial port")
# One string: a list (several arguments) would reach the control file with
# its ";" separators.
# Debian wants lines of at most 80 characters: CPack keeps the line breaks.
set(CPACK_PACKAGE_DESCRIPTION
    "Reads a Wi-Fi serial module's whole configuration into one form, lets you
edit it, and writes every parameter back, one acknowledged command at a time,
then saves: a window (wifi-config-gui), a command line for scripts and
production lines (wifi-config), and a simulated module (wifi-module-sim).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Installed programs carry no debugging symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The libraries come from dpkg-shlibdeps; what it cannot see is named here:
# the platform plugins the window needs to start, Qt's own translations of
# its buttons, and a font with Chinese characters.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-arphic-uming | fonts-wqy-zenhei")
# Completion of commands, options and values in bash.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion")
include(CPack)
