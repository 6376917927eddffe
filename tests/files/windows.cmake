if(KESTRIN_GUI)
  kestrin_add_qtest(project_commands_window_test SOURCES project_commands_window_test.cpp)
endif()
