# Project files: reader and writer of the *.kst format, in the core so the
# desktop program, kestrin-size and the tests share them.
target_sources(kestrin_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/project_file.h
  ${CMAKE_CURRENT_LIST_DIR}/project_file.cpp)
