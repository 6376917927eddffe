# The files the program reads at run time, made from the project's sources
# and written beside the program binary:
#   Piping.PDf               the piping guide, from data/guide/
#   kestrin.gif, About.gif   the animations of the main window and about box
# `kestrin_data` builds them; the program depends on it.

set(_kestrin_guide_dir ${CMAKE_CURRENT_LIST_DIR}/guide)
set(_kestrin_guide_sources
  ${_kestrin_guide_dir}/piping_guide.html
  ${_kestrin_guide_dir}/line_functions.svg
  ${_kestrin_guide_dir}/riser_traps.svg
  ${_kestrin_guide_dir}/double_riser.svg)

# The generators need a display connection only for fonts: the offscreen
# platform serves. A sanitizer build must not fail the build on the leaks
# fontconfig keeps for the life of the process.
set(_kestrin_generator_env
  ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0)

set(KESTRIN_GUIDE_FILE ${KESTRIN_RUNTIME_DIR}/Piping.PDf)
add_custom_command(
  OUTPUT ${KESTRIN_GUIDE_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KESTRIN_RUNTIME_DIR}
  COMMAND ${_kestrin_generator_env} $<TARGET_FILE:kestrin_make_guide>
          ${_kestrin_guide_dir}/piping_guide.html ${KESTRIN_GUIDE_FILE}
  DEPENDS kestrin_make_guide ${_kestrin_guide_sources}
  COMMENT "Writing the piping guide Piping.PDf"
  VERBATIM)

set(KESTRIN_ANIMATION_FILES ${KESTRIN_RUNTIME_DIR}/kestrin.gif ${KESTRIN_RUNTIME_DIR}/About.gif)
add_custom_command(
  OUTPUT ${KESTRIN_ANIMATION_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KESTRIN_RUNTIME_DIR}
  COMMAND ${_kestrin_generator_env} $<TARGET_FILE:kestrin_make_animations> ${KESTRIN_RUNTIME_DIR}
  DEPENDS kestrin_make_animations
  COMMENT "Painting the animations kestrin.gif and About.gif"
  VERBATIM)

add_custom_target(kestrin_data ALL DEPENDS ${KESTRIN_GUIDE_FILE} ${KESTRIN_ANIMATION_FILES})

# For the install rules.
set(KESTRIN_DATA_FILES ${KESTRIN_GUIDE_FILE} ${KESTRIN_ANIMATION_FILES} PARENT_SCOPE)

unset(_kestrin_guide_dir)
unset(_kestrin_guide_sources)
unset(_kestrin_generator_env)
