# The riser and trap drawings, shared by the double riser window and the
# report page.
target_sources(kestrin_drawing PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/drawing_kit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/riser_diagram.cpp)
