# Version information and manifest of a Windows program: sucholin_windows_resources(TARGET RC_FILE).
# The version comes from the project; the manifest and a version header are written per build.
configure_file(${CMAKE_CURRENT_LIST_DIR}/sucholin_version.h.in ${CMAKE_BINARY_DIR}/resources/sucholin_version.h @ONLY)

function(sucholin_windows_resources target rc_file)
  set(MANIFEST_NAME ${target})
  configure_file(${PROJECT_SOURCE_DIR}/app/win32/sucholin.manifest.in
    ${CMAKE_BINARY_DIR}/resources/${target}.manifest @ONLY)
  target_sources(${target} PRIVATE ${rc_file})
  set_property(SOURCE ${rc_file} APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_BINARY_DIR}/resources/${target}.manifest ${CMAKE_BINARY_DIR}/resources/sucholin_version.h)
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/resources)
endfunction()
