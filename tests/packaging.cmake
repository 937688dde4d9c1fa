# The Debian package, built from this tree and checked as a user would get it.
# A sanitizer build switches it off: its programs are not the ones to ship.
option(WELLENLABOR_PACKAGE_TEST "Build and check the Debian package as a test" ON)
if(WELLENLABOR_PACKAGE_TEST)
  set(packaged_programs kettlab:org.wellenlabor.kettlab paarlab:org.wellenlabor.paarlab)
  add_test(NAME package_contents
    COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-package.sh
      ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${packaged_programs})
endif()
