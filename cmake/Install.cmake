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
