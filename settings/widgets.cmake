target_sources(kestrin_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/choice_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmprocess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmunit.cpp)
