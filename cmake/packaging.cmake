# Installation into /usr and the Debian package built by CPack (scripts/package).
include(GNUInstallDirs)

install(TARGETS norvexa norvexa-verify RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(norvexa_share ${CMAKE_INSTALL_DATADIR}/norvexa)
install(FILES ${CMAKE_SOURCE_DIR}/src/report/manual/manuale.rtf DESTINATION ${norvexa_share})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/materiali DESTINATION ${norvexa_share})
install(FILES ${CMAKE_SOURCE_DIR}/data/norvexa.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/norvexa-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME norvexa.xml)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/norvexa.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/norvexa.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# A native package's changelog, compressed as Debian wants it, and its copyright file.
# Its latest entry is the release being built.
set(norvexa_doc ${CMAKE_INSTALL_DATADIR}/doc/norvexa)
file(STRINGS ${CMAKE_SOURCE_DIR}/data/changelog latest_entry LIMIT_COUNT 1)
if(NOT latest_entry MATCHES "^norvexa \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "data/changelog begins with \"${latest_entry}\", not the version ${PROJECT_VERSION} being built")
endif()
execute_process(COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/changelog
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/data/copyright DESTINATION ${norvexa_doc})

# The manual pages show the version being built.
foreach(page norvexa.1 norvexa-verify.1)
  configure_file(${CMAKE_SOURCE_DIR}/data/man/${page}.in ${CMAKE_BINARY_DIR}/${page} @ONLY)
  execute_process(COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/${page} OUTPUT_FILE ${CMAKE_BINARY_DIR}/${page}.gz)
  install(FILES ${CMAKE_BINARY_DIR}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# Compressed when configuring, so an edit of the changelog configures again (configure_file
# does the same for the manual pages).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/changelog)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norvexa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Norvexa")
set(CPACK_PACKAGE_CONTACT "Norvexa <assistenza@norvexa.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "verifica di sezioni in cemento armato agli stati limite ultimi")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Norvexa verifica una sezione di trave in cemento armato, rettangolare o a T,\n"
    "a flessione e taglio allo stato limite ultimo secondo l'Eurocodice 2\n"
    "(D.M. 9/1/96), disegna la sezione, scrive la relazione di calcolo, stampa\n"
    "ed esporta in PDF.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://norvexa.it")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Besides the libraries: the Italian Qt translation and the fonts the report uses.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2, qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
