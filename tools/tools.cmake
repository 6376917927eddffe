# Small programs the build runs to make the program's data files.

# The GIF writer, also linked by its tests.
add_library(kestrin_gif STATIC ${CMAKE_CURRENT_LIST_DIR}/gif_encoder.cpp)
target_include_directories(kestrin_gif PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kestrin_gif PUBLIC Qt6::Gui PRIVATE kestrin_warnings)
target_compile_definitions(kestrin_gif PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII)

add_executable(kestrin_make_animations ${CMAKE_CURRENT_LIST_DIR}/make_animations.cpp)
target_link_libraries(kestrin_make_animations PRIVATE kestrin_gif Qt6::Gui kestrin_warnings)
target_compile_definitions(kestrin_make_animations PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII)

add_executable(kestrin_make_guide ${CMAKE_CURRENT_LIST_DIR}/make_guide.cpp)
target_include_directories(kestrin_make_guide PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(kestrin_make_guide PRIVATE Qt6::Gui Qt6::Svg kestrin_warnings)
target_compile_definitions(kestrin_make_guide PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII)
