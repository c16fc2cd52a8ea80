# Installing the program: the executable, and on Linux and the other free
# desktops its desktop entry, its icon in the hicolor theme and its AppStream
# metadata. `cpack -G DEB` packs the same files into a Debian package.
include(GNUInstallDirs)

install(TARGETS marrowby
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  BUNDLE DESTINATION .)

if(UNIX AND NOT APPLE)
  set(MARROWBY_PACKAGING "${CMAKE_SOURCE_DIR}/packaging")
  install(FILES "${MARROWBY_PACKAGING}/${MARROWBY_APP_ID}.desktop"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file("${MARROWBY_PACKAGING}/${MARROWBY_APP_ID}.metainfo.xml.in"
    "${CMAKE_BINARY_DIR}/${MARROWBY_APP_ID}.metainfo.xml" @ONLY)
  install(FILES "${CMAKE_BINARY_DIR}/${MARROWBY_APP_ID}.metainfo.xml"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES "${MARROWBY_PACKAGING}/icons/${size}.png"
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${MARROWBY_APP_ID}.png)
  endforeach()
  install(FILES "${MARROWBY_PACKAGING}/icons/${MARROWBY_APP_ID}.svg"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME marrowby)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Marrowby Electronics Co., Ltd")
set(CPACK_PACKAGE_CONTACT "Marrowby Electronics Co., Ltd <support@marrowby.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "Writes the settings files that Marrowby trail cameras read from their memory card: the camera menu (menu.dat), MMS sending (setup.dat) and e-mail over GPRS (smtp.dat).")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Marrowby)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries it links come from dpkg-shlibdeps; Qt's own translations make
# its standard dialogs speak the user's language.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
