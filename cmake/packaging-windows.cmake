# The Windows release archive, sucholin-<version>-windows-x64.zip: `cpack -G ZIP` in the
# windows build folder. It holds both programs, stripped, and a German read-me in code page 1252.
set(liesmich ${CMAKE_BINARY_DIR}/LIESMICH.txt)
add_custom_command(OUTPUT ${liesmich}
  COMMAND sh -c "iconv -f UTF-8 -t CP1252 '${PROJECT_SOURCE_DIR}/packaging/LIESMICH.txt' | sed 's/$/\\r/' > '${liesmich}'"
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/LIESMICH.txt
  VERBATIM)
add_custom_target(sucholin_liesmich ALL DEPENDS ${liesmich})
install(FILES ${liesmich} DESTINATION .)

set(CPACK_PACKAGE_NAME sucholin)
set(CPACK_PACKAGE_VENDOR Sucholin)
set(CPACK_PACKAGE_FILE_NAME sucholin-${PROJECT_VERSION}-windows-x64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
include(CPack)
