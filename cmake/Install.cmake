# `cmake --install` puts the application where desktops look for it: the
# programs, the viewer's launcher entry, its icon and the software-centre description.
include(GNUInstallDirs)

# zorva-tool starts zorva-sample-card from its own folder: they stay together.
foreach(program zorva zorva-tool zorva-sample-card)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/resources/zorva.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/images/zorva.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/zorva.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages made from the programs' own --help by help2man, so that they
# say what the programs say; the viewer answers on the offscreen platform.
find_program(HELP2MAN help2man)
function(zorva_manual_page program summary)
  if(NOT HELP2MAN OR NOT TARGET ${program} OR ZORVA_SANITIZE OR ZORVA_FUZZ)
    return()
  endif()
  set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
      ${HELP2MAN} --no-info --version-string=${PROJECT_VERSION} --name=${summary}
      --output=${page} $<TARGET_FILE:${program}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${program}
    VERBATIM)
  add_custom_target(${program}-manual ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
zorva_manual_page(zorva "play the recordings of a two-camera car dash cam")
zorva_manual_page(zorva-tool "read a dash cam's recordings, settings and records for scripts")
zorva_manual_page(zorva-sample-card "write a demo card of a two-camera car dash cam")

# The package's notes, where Debian looks for them.
configure_file(${PROJECT_SOURCE_DIR}/resources/package/changelog.in
  ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/changelog.gz
  COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/package/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/package/changelog
  VERBATIM)
add_custom_target(zorva-changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/package/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/resources/package/copyright
  ${CMAKE_BINARY_DIR}/package/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
