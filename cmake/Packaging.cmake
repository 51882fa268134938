# Installation and the Debian package. The program folder lands in <prefix>/lib/moneycalc:
# the program finds its database and calc.exe beside its own file, which Qt resolves through
# /proc/self/exe, so the command on the PATH is a symlink into that folder.
if(NOT TARGET moneycalc)
  return()
endif()

set(MONEYCALC_PROGRAM_FOLDER lib/moneycalc)
# The programs link only system libraries: no run path to rewrite on install.
set_target_properties(moneycalc PROPERTIES INSTALL_RPATH "")

install(TARGETS moneycalc RUNTIME DESTINATION ${MONEYCALC_PROGRAM_FOLDER})
install(PROGRAMS ${MONEYCALC_BIN_DIR}/calc.exe DESTINATION ${MONEYCALC_PROGRAM_FOLDER})
install(FILES ${MONEYCALC_BIN_DIR}/database/DefaultProject.wqtz
        DESTINATION ${MONEYCALC_PROGRAM_FOLDER}/database)

set(commands ${CMAKE_BINARY_DIR}/packaging/bin)
file(MAKE_DIRECTORY ${commands})
file(CREATE_LINK ../${MONEYCALC_PROGRAM_FOLDER}/moneycalc ${commands}/moneycalc SYMBOLIC)
install(FILES ${commands}/moneycalc DESTINATION bin)
if(TARGET moneycalc-cli)
  set_target_properties(moneycalc-cli PROPERTIES INSTALL_RPATH "")
  install(TARGETS moneycalc-cli RUNTIME DESTINATION ${MONEYCALC_PROGRAM_FOLDER})
  file(CREATE_LINK ../${MONEYCALC_PROGRAM_FOLDER}/moneycalc-cli ${commands}/moneycalc-cli SYMBOLIC)
  install(FILES ${commands}/moneycalc-cli DESTINATION bin)
endif()

install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/moneycalc.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/moneycalc.svg
        DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME moneycalc)
set(CPACK_PACKAGE_VENDOR "Money calculator team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculator for money amounts with uppercase Chinese numerals")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Calculator for money amounts with uppercase Chinese numerals
Evaluates an arithmetic expression, rounds the value to cents and writes
the amount in uppercase Chinese financial numerals, as used on invoices
and cheques.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Money calculator team <moneycalc@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_STRIP_FILES ON)
# The libraries come from the binaries themselves; the window system plugin and the CJK font
# are loaded at run time, so no binary names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei")
include(CPack)
