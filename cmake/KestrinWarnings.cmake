# One interface target carries the project's warnings; KESTRIN_WERROR (on in
# CI) turns them into errors. Nothing touches the global compiler flags.
add_library(kestrin_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(kestrin_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough)
  if(KESTRIN_WERROR)
    target_compile_options(kestrin_warnings INTERFACE -Werror)
  endif()
endif()
