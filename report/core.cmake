# The report's texts, places and dates: no display needed.
target_sources(kestrin_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/report_dates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_model.cpp)
