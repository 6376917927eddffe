# The report page, its pictures and the PDF writer (shared with kestrin-size),
# then the title dialog and the print commands.
target_sources(kestrin_drawing PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/report_pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_pdf.cpp)

target_sources(kestrin_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmtitle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print_commands.cpp)
