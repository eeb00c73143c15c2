# cmake --install: trackmill, its helper programs and rc.txt in one program folder, where trackmill finds them
# beside its own file; links in bin/ for the programs people start.
include(GNUInstallDirs)
set(TRACKMILL_PROGRAM_DIR "lib/trackmill" CACHE STRING "Program folder under the install prefix")

install(TARGETS trackmill finchenc teskenc rs RUNTIME DESTINATION ${TRACKMILL_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/teskenc/stream/rc.txt DESTINATION ${TRACKMILL_PROGRAM_DIR})

# Both folders lie under the same prefix, so a relative link stays right whatever prefix the install is given.
foreach(program trackmill finchenc teskenc)
  file(RELATIVE_PATH target "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${TRACKMILL_PROGRAM_DIR}/${program}")
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
    message(STATUS \"Installing: \${link} -> ${target}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"${target}\" \"\${link}\" SYMBOLIC)")
endforeach()

# The application menu's entry and its icon in every size drawn.
install(FILES ${PROJECT_SOURCE_DIR}/tools/desktop-entry/trackmill.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
