# Window tests of sizing/: the fittings dialog and the double riser window,
# driven through the main window as a user drives them.
if(KESTRIN_GUI)
  find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
  kestrin_add_qtest(sizing_window_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/sizing_window_test.cpp)
endif()
