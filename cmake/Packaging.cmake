# Install rules of the desktop program's data and the Debian package.
#
# Include from the top-level CMakeLists.txt after every add_subdirectory():
# the rules look at the targets and file lists the subdirectories define.
# The programs themselves (kestrin, kestrin-size) are installed by their own
# folders' rules.
#
#   cmake --build build --target all && (cd build && cpack)   # kestrin_<version>_<arch>.deb
include_guard(GLOBAL)
include(GNUInstallDirs)

set(KESTRIN_APP_ID io.example.kestrin)

if(TARGET kestrin_data)
  # The guide and the animations, where the installed program looks for them.
  install(FILES ${KESTRIN_DATA_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrin)
endif()

if(KESTRIN_GUI)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/../data/kestrin.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          RENAME ${KESTRIN_APP_ID}.desktop)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/../data/kestrin.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${KESTRIN_APP_ID}.svg)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/../data/${KESTRIN_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The project file type, so that a file manager opens *.kst files with the
  # program.
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/../data/${KESTRIN_APP_ID}.mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME ${KESTRIN_APP_ID}.xml)
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kestrin")
set(CPACK_PACKAGE_CONTACT "Kestrin maintainers <maintainers@kestrin-sizing.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "copper refrigerant line sizing for air conditioning and refrigeration")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kestrin)
# A package installs under /usr whatever prefix the build was configured
# with; the program finds its data relative to itself.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kestrin-sizing.example/")
# The summary above is the package's one-line synopsis; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Kestrin Refrigerant Pipe Sizing chooses the copper tube of the suction,
discharge or liquid line of a vapour-compression system (R22, R134a, R407C,
R404A) and reports its pressure drop, velocity, equivalent length and oil
traps, in English or metric units. It sizes double risers, prints a
one-page report and keeps each case in a project file. The package holds
the desktop program, the command-line tool kestrin-size and a piping guide.")
# The Qt 6 libraries of Debian 12 the programs load. The platform plugins
# and the GIF reader come with libqt6gui6. Where dpkg-shlibdeps is at hand
# the exact list, with versions, is computed from the binaries instead.
find_program(KESTRIN_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KESTRIN_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6pdf6 (>= 6.4), libqt6pdfwidgets6 (>= 6.4)")
endif()
# No maintainer scripts: the MIME database, the desktop entries' cache and
# the icon cache are rebuilt by the file triggers that shared-mime-info,
# desktop-file-utils and hicolor-icon-theme declare on the folders the
# package installs into, whenever any package adds or removes files there.

# Fonts for the windows and the printed report.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland")

include(CPack)
