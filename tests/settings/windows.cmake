if(KESTRIN_GUI)
  kestrin_add_qtest(settings_dialogs_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_dialogs_test.cpp)
endif()
