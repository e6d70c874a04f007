# Resources of the Windows programs. The version comes from the project; the manifest is written
# per target, so that each names itself.
configure_file(${CMAKE_CURRENT_LIST_DIR}/sucholin_version.h.in ${CMAKE_BINARY_DIR}/resources/sucholin_version.h @ONLY)

# Embeds the application manifest (run as the invoker, the supported Windows versions, common
# controls 6) into TARGET. The window tests carry it too, so they see the controls the programs see.
function(sucholin_windows_manifest target)
  set(MANIFEST_NAME ${target})
  set(dir ${CMAKE_BINARY_DIR}/resources)
  configure_file(${PROJECT_SOURCE_DIR}/app/win32/sucholin.manifest.in ${dir}/${target}.manifest @ONLY)
  file(CONFIGURE OUTPUT ${dir}/${target}.manifest.rc CONTENT "1 24 \"${dir}/${target}.manifest\"\n")
  target_sources(${target} PRIVATE ${dir}/${target}.manifest.rc)
  set_property(SOURCE ${dir}/${target}.manifest.rc APPEND PROPERTY OBJECT_DEPENDS ${dir}/${target}.manifest)
endfunction()

# A program's manifest and its own resource file, which includes app/win32/version.rc.
function(sucholin_windows_resources target rc_file)
  sucholin_windows_manifest(${target})
  target_sources(${target} PRIVATE ${rc_file})
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/resources)
  set_property(SOURCE ${rc_file} APPEND PROPERTY OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/resources/sucholin_version.h)
endfunction()
