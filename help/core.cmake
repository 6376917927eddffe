# Help and about, the part without windows: where the program's data files
# are found.
target_sources(kestrin_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/data_files.cpp)

# The installed data folder, as configured and as seen from the installed
# program, so a package installed under another prefix still finds its files.
file(RELATIVE_PATH _kestrin_data_from_program
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/kestrin)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/data_files.cpp
  TARGET_DIRECTORY kestrin_core
  PROPERTIES COMPILE_DEFINITIONS
    "KESTRIN_DATA_DIR=\"${CMAKE_INSTALL_FULL_DATADIR}/kestrin\";KESTRIN_DATA_DIR_FROM_PROGRAM=\"${_kestrin_data_from_program}\"")
unset(_kestrin_data_from_program)
