# Desktop installation: the program, its launcher, icon and software-centre description.
include(GNUInstallDirs)
set(RICATTURA_APP_ID org.ricattura.Ricattura)
install(TARGETS ricattura RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${RICATTURA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${RICATTURA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/${RICATTURA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# A Debian package for a clean Debian 12 machine: shared libraries found by dpkg-shlibdeps, plus
# what Qt loads at run time (the platform plugins) and the font the layout was measured with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ricattura)
set(CPACK_PACKAGE_CONTACT "ricattura <ricattura@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Stima della popolazione di un lago con il metodo di cattura e ricattura")
set(CPACK_PACKAGE_DESCRIPTION "Programma didattico che guida lo studente nel metodo di cattura, marcatura e ricattura (stimatore di Lincoln-Petersen).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
