# Installing the viewer, and the Debian package of the install (cpack from the build folder).
#
# Layout under the prefix (the viewer finds everything from its install folder, <prefix>/lib/quillbox):
#   lib/quillbox/Bin/                 QBFileViewer, qbltool and the programs qbltool runs beside itself,
#                                     the host library QuillboxPlugIns120 that plug-ins link
#   lib/quillbox/Bin/PlugIns/         plug-in modules, the sample plug-in among them
#   bin/QBFileViewer, bin/qbltool     links into Bin/, for the search path
#   share/applications, share/mime/packages, share/icons/hicolor, share/man/man1
#   <sysconfdir>/xdg/Tolvane/Quillbox.conf   [4.0] InstallPath=<prefix>/lib/quillbox/
# The sysconfdir is /etc for the prefix /usr and <prefix>/etc otherwise. A prefix whose sysconfdir is
# not among the system's config folders still works: a program in a folder named "Bin" takes its
# parent as the install folder when no config file names one.
#
# Paths that depend on the prefix are written when the install runs, not when the build is configured,
# because cpack installs with its own prefix.

set(QB_APP_DIR "lib/quillbox" CACHE STRING "The viewer's install folder, relative to the install prefix")
set(QB_BIN_DIR "${QB_APP_DIR}/Bin")
set(QB_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")

# The programs find the host library beside them, plug-ins one folder up.
foreach(program QBFileViewer qbltool qbrender qbprint)
  if(TARGET ${program})
    set_target_properties(${program} PROPERTIES INSTALL_RPATH "$ORIGIN")
    install(TARGETS ${program} RUNTIME DESTINATION "${QB_BIN_DIR}")
  endif()
endforeach()
install(TARGETS QuillboxPlugIns120 LIBRARY DESTINATION "${QB_BIN_DIR}")
if(TARGET QBSamplePlugIn)
  set_target_properties(QBSamplePlugIn PROPERTIES INSTALL_RPATH "$ORIGIN/..")
  install(TARGETS QBSamplePlugIn LIBRARY DESTINATION "${QB_BIN_DIR}/PlugIns")
endif()

install(FILES "${QB_PACKAGING_DIR}/quillbox-viewer.xml" DESTINATION share/mime/packages)
install(FILES "${QB_PACKAGING_DIR}/quillbox-viewer.svg" DESTINATION share/icons/hicolor/scalable/apps)
install(FILES "${QB_PACKAGING_DIR}/qbltool.1" DESTINATION share/man/man1)

# Project files open from the desktop once the viewer takes a project on its command line.
set(QB_DESKTOP_MIME_TYPES "application/x-quillbox-log;")

install(CODE "
  set(QB_APP_DIR \"${QB_APP_DIR}\")
  set(QB_BIN_DIR \"${QB_BIN_DIR}\")
  set(QB_PACKAGING_DIR \"${QB_PACKAGING_DIR}\")
  set(QB_STAGE \"${CMAKE_BINARY_DIR}/install-generated\")
  set(QB_DESKTOP_MIME_TYPES \"${QB_DESKTOP_MIME_TYPES}\")
  include(\"${PROJECT_SOURCE_DIR}/cmake/QBInstallGenerated.cmake\")
")

# The Debian package: `cpack` in the build folder writes quillbox-viewer_<version>_<arch>.deb.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quillbox-viewer")
set(CPACK_PACKAGE_VENDOR "Tolvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer for Quillbox binary log files")
set(CPACK_PACKAGE_DESCRIPTION "The Quillbox File Viewer opens the .qbl log files that instrumented
applications write, shows their messages in filtered, tabbed views with nested methods and inspectors
for every message type, and saves, exports and prints them. qbltool runs the same code on the command
line.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tolvane Quillbox team <quillbox@tolvane.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tolvane.example/quillbox")
# The library dependencies come from dpkg-shlibdeps; the host library is the package's own. The icons
# are SVG files that the toolkit draws through its SVG icon engine plug-in, which no library names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_LIBRARY_OUTPUT_DIRECTORY}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4)")
# The build keeps its debugging information; the package does not.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
# The install folder's file is the administrator's to change: a configuration file that an upgrade
# asks about and a purge removes.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${QB_PACKAGING_DIR}/debian/conffiles")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
