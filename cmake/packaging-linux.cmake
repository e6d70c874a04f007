# What the Linux install holds beside the programs (manual pages, metadata, licence,
# changelog) and the Debian package of it all: `cpack -G DEB` in the linux build folder.
include(GNUInstallDirs)

set(SUCHOLIN_RELEASE_DATE 2026-12-07)
set(SUCHOLIN_RELEASE_EPOCH 1796601600)  # the release date, so rebuilt pages carry the same date
set(package_dir ${PROJECT_SOURCE_DIR}/packaging)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/sucholin)

# The changelog names the version it describes; a version bump without an entry is a mistake.
file(STRINGS ${package_dir}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^sucholin \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with version ${PROJECT_VERSION}")
endif()

find_program(SCDOC scdoc REQUIRED)
set(compressed_docs)
foreach(page sucholin sucholin-cli)
  set(out ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${SUCHOLIN_RELEASE_EPOCH}
            sh -c "scdoc < '${PROJECT_SOURCE_DIR}/docs/man/${page}.1.scd' | gzip -9n > '${out}'"
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${page}.1.scd
    VERBATIM)
  list(APPEND compressed_docs ${out})
  install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
set(changelog_gz ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND sh -c "gzip -9n < '${package_dir}/changelog' > '${changelog_gz}'"
  DEPENDS ${package_dir}/changelog
  VERBATIM)
add_custom_target(sucholin_docs ALL DEPENDS ${compressed_docs} ${changelog_gz})
install(FILES ${changelog_gz} ${package_dir}/copyright DESTINATION ${doc_dir})
install(FILES ${package_dir}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME sucholin)

configure_file(${package_dir}/de.sucholin.Sucholin.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/de.sucholin.Sucholin.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/de.sucholin.Sucholin.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME sucholin)
set(CPACK_PACKAGE_VENDOR Sucholin)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "Sucholin ist eine kleine, schnelle Textsuche mit deutscher Oberfläche.\n"
  "Man wählt einen Ordner oder eine Datei, gibt ein Wort ein und drückt\n"
  "Suchen: Sucholin listet jede Datei, die das Wort enthält, mit den\n"
  "Nummern der Zeilen, in denen es steht. Ein Doppelklick öffnet die Datei\n"
  "mit dem Programm der Arbeitsumgebung.\n"
  "\n"
  "Das Paket enthält das Programm für den Desktop (Qt 6) und sucholin-cli,\n"
  "dieselbe Suche für die Kommandozeile und für Skripte.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "${SUCHOLIN_WEBSITE}")
set(CPACK_PACKAGE_CONTACT "Sucholin-Team <paket@sucholin.de>" CACHE STRING "Maintainer of the package")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-open opens listed files and the website; without a platform plugin Qt cannot start.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, qt6-qpa-plugins")
# Qt's own dialogs in German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Stripped as Debian strips: symbols, and the compiler's identification notes as well.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip-package.cmake)
include(CPack)
