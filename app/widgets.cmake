target_sources(kestrin_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clickable_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_colours.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmmain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_calculate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_boxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/output_clearing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program.cpp)

# The desktop program: only its start lives here.
add_executable(kestrin ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(kestrin PRIVATE kestrin_widgets kestrin_warnings)
set_target_properties(kestrin PROPERTIES OUTPUT_NAME kestrin)
install(TARGETS kestrin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The pictures and the guide it reads at run time are written beside it.
add_dependencies(kestrin kestrin_data)
