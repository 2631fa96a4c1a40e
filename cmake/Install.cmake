# Installation in the standard places under the prefix, and the Debian package built from it.
include(GNUInstallDirs)

install(TARGETS quarrow quarrow-cfg RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(UNIX AND NOT APPLE)
    install(FILES data/org.quarrow.Quarrow.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES data/org.quarrow.Quarrow.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(DIRECTORY data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarrow)
set(CPACK_PACKAGE_VENDOR "Quarrow")
set(CPACK_PACKAGE_CONTACT "Quarrow developers <quarrow@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quarrow)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${PROJECT_DESCRIPTION}
 Quarrow shows the scenery areas of the simulator's Scenery.cfg as an ordered
 list, lets you add, duplicate, delete, reorder, edit, cut, copy and paste
 them, set groups aside in area set files, and writes the library back
 renumbered with an optional backup. quarrow-cfg checks and rewrites a
 library from scripts.")
# The libraries the binaries need, as dpkg-shlibdeps finds them, not a hand-written list (Qt's window
# system plugin comes with its GUI library).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
