# Runs when the install runs (cmake --install, cpack): writes the files that name the install prefix,
# which is only known then, and installs them. Expects QB_APP_DIR, QB_BIN_DIR, QB_PACKAGING_DIR,
# QB_STAGE and QB_DESKTOP_MIME_TYPES.

set(prefix "${CMAKE_INSTALL_PREFIX}")
if(prefix STREQUAL "/usr")
  set(etc "/etc")
else()
  set(etc "${prefix}/etc")
endif()
file(MAKE_DIRECTORY "${QB_STAGE}")

# Where the viewer finds its install folder: the system-wide XDG config folders.
file(WRITE "${QB_STAGE}/Quillbox.conf" "[4.0]\nInstallPath=${prefix}/${QB_APP_DIR}/\n")
file(INSTALL DESTINATION "${etc}/xdg/Tolvane" TYPE FILE FILES "${QB_STAGE}/Quillbox.conf")

# The desktop entry starts the installed viewer by its full path.
file(READ "${QB_PACKAGING_DIR}/quillbox-viewer.desktop.in" entry)
string(REPLACE "@QB_VIEWER@" "${prefix}/bin/QBFileViewer" entry "${entry}")
string(REPLACE "@QB_MIME_TYPES@" "${QB_DESKTOP_MIME_TYPES}" entry "${entry}")
file(WRITE "${QB_STAGE}/quillbox-viewer.desktop" "${entry}")
file(INSTALL DESTINATION "${prefix}/share/applications" TYPE FILE FILES "${QB_STAGE}/quillbox-viewer.desktop")

# The commands on the search path are links into the install folder; the programs find their install
# folder from their real place.
foreach(program QBFileViewer qbltool)
  set(link "$ENV{DESTDIR}${prefix}/bin/${program}")
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${prefix}/bin")
  file(REMOVE "${link}")
  file(CREATE_LINK "../${QB_BIN_DIR}/${program}" "${link}" SYMBOLIC)
  message(STATUS "Installing: ${link}")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${prefix}/bin/${program}")
endforeach()
