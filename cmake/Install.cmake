# `cmake --install` lays out Kvelta like any desktop application:
#   bin/kvelta                  the launcher, which runs the game from the player's data folder
#   libexec/kvelta/kvelta       the program itself
#   share/kvelta/               cards/, images/, wavs/, icons/ and the rules page kvelta.html
#   share/applications, share/metainfo, share/icons/hicolor   the desktop entry, AppStream
#                               data and the icon
# The launcher finds the rest from its own place, so a copied or moved prefix still works.
if(NOT TARGET kvelta)
    return()
endif()
include(GNUInstallDirs)

set(KVELTA_APP_ID cz.kvelta.Kvelta)
set(KVELTA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/kvelta)
set(KVELTA_INSTALL_PROGRAM ${CMAKE_INSTALL_LIBEXECDIR}/kvelta/kvelta)

install(TARGETS kvelta RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/kvelta)

configure_file(${CMAKE_SOURCE_DIR}/packaging/kvelta.sh.in ${CMAKE_BINARY_DIR}/packaging/kvelta
               @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/kvelta DESTINATION ${CMAKE_INSTALL_BINDIR})

foreach(data cards images wavs icons)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/${data} DESTINATION ${KVELTA_INSTALL_DATADIR}
            PATTERN "*.svg" EXCLUDE)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/docs/kvelta.html DESTINATION ${KVELTA_INSTALL_DATADIR})

install(FILES ${CMAKE_SOURCE_DIR}/packaging/${KVELTA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${KVELTA_APP_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/packaging/${KVELTA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${KVELTA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/kvelta-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME kvelta.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/kvelta.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# An installation into a scratch prefix, made read-only, checked as the player gets it.
if(NOT KVELTA_SANITIZE)
    add_test(NAME install.layout
             COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR}
                     ${CMAKE_CURRENT_BINARY_DIR}/install-test)
    set_tests_properties(install.layout PROPERTIES TIMEOUT 120)
endif()
