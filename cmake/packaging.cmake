# Desktop installation: the program, its launcher, icon and software-centre description.
include(GNUInstallDirs)
set(RICATTURA_APP_ID org.ricattura.Ricattura)
install(TARGETS ricattura RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${RICATTURA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${RICATTURA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/${RICATTURA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The changelog is the package's history, so it has to end at the version being packaged.
file(READ data/changelog changelog)
if(NOT changelog MATCHES "^ricattura \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "data/changelog does not begin with an entry for ${PROJECT_VERSION}")
endif()

# Manual pages and changelog as Debian wants them: gzip -9 without name or time stamp, so the
# same sources always give the same bytes. Made at build time for both cmake --install and cpack.
find_program(GZIP gzip REQUIRED)
set(doc_build ${CMAKE_CURRENT_BINARY_DIR}/doc)
set(compressed)
foreach(page ricattura.1 ricattura.it.1 changelog)
  if(page STREQUAL changelog)
    configure_file(data/${page} ${doc_build}/${page} COPYONLY)
  else()
    configure_file(data/${page} ${doc_build}/${page} @ONLY)  # the pages name the version
  endif()
  add_custom_command(OUTPUT ${doc_build}/${page}.gz
                     COMMAND ${GZIP} -9nkf ${page}
                     WORKING_DIRECTORY ${doc_build}
                     DEPENDS ${doc_build}/${page}
                     VERBATIM)
  list(APPEND compressed ${doc_build}/${page}.gz)
endforeach()
# The teacher's guide, wrapped from the fragment the page embeds into a page of its own.
set(guide ${doc_build}/guida-insegnante.html)
add_custom_command(OUTPUT ${guide}
                   COMMAND ${CMAKE_COMMAND} -DFRAGMENT=${PROJECT_SOURCE_DIR}/docs/guida-insegnante.html
                           -DGUIDE=${guide} -P ${PROJECT_SOURCE_DIR}/cmake/guide.cmake
                   DEPENDS docs/guida-insegnante.html cmake/guide.cmake
                   VERBATIM)
add_custom_target(ricattura_docs ALL DEPENDS ${compressed} ${guide})
install(FILES ${doc_build}/ricattura.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${doc_build}/ricattura.it.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man1 RENAME ricattura.1.gz)
install(FILES ${doc_build}/changelog.gz data/copyright ${guide} DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES data/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ricattura)

# A Debian package for a clean Debian 12 machine: shared libraries found by dpkg-shlibdeps, plus
# what Qt loads at run time (the platform plugins) and the font the layout was measured with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ricattura)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The project has no mail address of its own; the overrides file in the package says so.
set(CPACK_PACKAGE_CONTACT "ricattura <ricattura@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Stima della popolazione di un lago con il metodo di cattura e ricattura")
# One entry per line, each short enough for a package manager's window; "" separates paragraphs.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Un programma didattico che guida lo studente, passo dopo passo, nel metodo"
  "di cattura, marcatura e ricattura con cui gli ecologi stimano il numero di"
  "individui di una popolazione (stimatore di Lincoln-Petersen)."
  ""
  "Lo studente crea un lago immaginario con una popolazione nascosta, cattura"
  "e marca alcuni pesci, li libera, effettua nuove cale, calcola la stima e la"
  "confronta con il numero reale. Con l’opzione --lago N tutta la classe"
  "lavora sullo stesso lago.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
