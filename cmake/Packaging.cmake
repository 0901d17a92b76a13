# Installation under /usr and the Debian package (cmake --build build --target package).
# The programs go to bin; the files they only read, and the question database that each user's
# copy starts from, to share/tarvos (see src/platform/InstalledLayout.h).
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(TARVOS_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/tarvos)

install(TARGETS tarvos tarvos-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(TARVOS_INSTALLED_FILES TARVOS.MDB INVAL.TXT TRVBR.TXT TRVV3AG.TXT TRVV3AL.TXT TRVV3AS.TXT TRVV3DG.TXT
    TRVV3RPT.TXT TRVV3SC.TXT TRVV3VA.TXT TRVV3VI.TXT)
list(TRANSFORM TARVOS_INSTALLED_FILES PREPEND ${TARVOS_PROGRAM_DIR}/)
install(FILES ${TARVOS_INSTALLED_FILES} DESTINATION ${TARVOS_SHARE_DIR})
install(DIRECTORY ${TARVOS_PROGRAM_DIR}/TARVOS DESTINATION ${TARVOS_SHARE_DIR}
    FILES_MATCHING PATTERN "*.wav" PATTERN "*.WAV")

set(pkg ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${pkg}/org.tarvos.Tarvos.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/org.tarvos.Tarvos.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${pkg}/tarvos.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${pkg}/icons/tarvos-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME tarvos.png)
endforeach()
install(FILES ${pkg}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvos)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvos)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tarvos developers <tarvos@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-bsd")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "risk assessment questionnaire for probation offices
Tarvos helps probation office staff register adults under supervision, obtain
their answers to a 149-item self-report questionnaire (on screen with spoken
instructions, keyed from a paper answer sheet or read from a scanned sheet)
and print a report of seven risk scales. tarvos-cli lists client files and
writes reports and answer sheets from a terminal.")

# Debian wants the package's change log compressed without a time stamp.
configure_file(${pkg}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/packaging/changelog.Debian -c > ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian)
add_custom_target(tarvos_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvos)
include(CPack)
