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

# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the
# project (the asan preset turns this on). They ride on the warnings target,
# which every library, program and test links.
option(KESTRIN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
add_library(kestrin_sanitizers INTERFACE)
if(KESTRIN_SANITIZE)
  target_compile_options(kestrin_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(kestrin_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
target_link_libraries(kestrin_warnings INTERFACE kestrin_sanitizers)
