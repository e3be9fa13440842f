# `make package`: a Debian package of what `cmake --install` puts in place,
# under /usr. Its library dependencies come from dpkg-shlibdeps; the programs
# the viewer starts or loads by name, which no linker sees, are listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorva)
set(CPACK_PACKAGE_VENDOR "ZORVA")
set(CPACK_PACKAGE_CONTACT "ZORVA developers <zorva@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libVLC's decoders and video outputs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "vlc-plugin-base, vlc-plugin-video-output")
# Card tools (volumes, formatting, administrator rights) and the Korean texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udisks2, dosfstools, pkexec, fonts-nanum")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for the recordings of a two-camera car dash cam")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "ZORVA Viewer plays the front and rear recordings of a moment in step, with
the G-sensor curves, speed, GPS quality and a map that follow the play
position. It edits the camera's settings, sets its clock, reads its driving
records and formats its card without losing the settings.
.
zorva-tool gives the same data to scripts: the catalogue of a card, the
telemetry of a recording as JSON, CSV, GPX, KML or GeoJSON, the settings and
the driving records. zorva-sample-card writes a demo card.")
include(CPack)
