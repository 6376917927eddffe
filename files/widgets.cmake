# The Open and Save commands of the desktop program.
target_sources(kestrin_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/project_commands.h
  ${CMAKE_CURRENT_LIST_DIR}/project_commands.cpp)
