# Help and about windows, the splash window, and the files the program reads
# at run time (the guide and the animations), made by the build.

# Where the program binary is built: the data files are written beside it.
set(KESTRIN_RUNTIME_DIR ${PROJECT_BINARY_DIR}/app)
set(KESTRIN_RUNTIME_DIR ${KESTRIN_RUNTIME_DIR} PARENT_SCOPE)

target_sources(kestrin_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/animation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmabout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmhelp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_commands.cpp
  ${PROJECT_SOURCE_DIR}/app/frmstart.cpp)

# The pictures drawn into the windows: the splash picture and the program's
# mark, from their SVG sources.
qt_add_resources(kestrin_widgets kestrin_pictures
  PREFIX /kestrin
  BASE ${PROJECT_SOURCE_DIR}/data
  FILES
    ${PROJECT_SOURCE_DIR}/data/splash.svg
    ${PROJECT_SOURCE_DIR}/data/kestrin.svg)

include(${PROJECT_SOURCE_DIR}/tools/tools.cmake)
include(${PROJECT_SOURCE_DIR}/data/data.cmake)
