# Install rules and the Debian package. Only the programs and what a desktop
# needs to list them are installed: the static libraries, the tests and the
# benchmarks stay in the build tree.
include(GNUInstallDirs)

# One program: its executable, and its desktop entry, icon and AppStream
# metainfo, all three named by the program's reverse-DNS id.
function(wellenlabor_install_program target id)
  set(data ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  # The programs use the system's Qt and ship no libraries of their own, so
  # the runpath to a private library folder that Qt's project setup adds has
  # nothing to find; Debian packages must not carry one.
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "")
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${data}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${data}/${id}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${data}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endfunction()

wellenlabor_install_program(kettlab org.wellenlabor.kettlab)
if(TARGET paarlab)
  wellenlabor_install_program(paarlab org.wellenlabor.paarlab)
endif()

# Debian looks for the license under this name.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wellenlabor RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wellenlabor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Wellenlabor)
set(CPACK_PACKAGE_CONTACT "Wellenlabor <dev@wellenlabor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Lehrprogramme zu mechanischen Wellen / teaching programs on waves")
set(CPACK_PACKAGE_DESCRIPTION [[
Zwei Lehrprogramme für den Physikunterricht, mit deutscher Oberfläche:
KETTLAB zeigt Wellen auf einer Kette aus 97 gekoppelten Kugeln, mit
Anregung von Hand oder harmonisch, Reflexion, Brechung und Messwerkzeugen;
PAARLAB zeigt eine Längs- und eine Querwelle nebeneinander im Vergleich.

Two teaching programs for the physics classroom, with a German user
interface: KETTLAB shows waves on a chain of 97 coupled masses, driven by
hand or harmonically, with reflection, refraction and measuring tools;
PAARLAB shows a longitudinal and a transverse wave side by side.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# dpkg-shlibdeps finds the Qt 6 libraries the programs link to. What is
# loaded at run time is out of its sight and named here: the platform
# plugins, the toolkit's German texts, and Liberation Sans, for which the
# captions are laid out (a wider fallback font clips them).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
# In a Wayland session the programs then run natively, not through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
