# The fittings dialog, the double riser window and the commands that open
# them from the main window.
target_sources(kestrin_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmdoubleriser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmfitting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/riser_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_commands.cpp)
