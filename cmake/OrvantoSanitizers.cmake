# Instrumented builds, each in a build folder of its own:
#   ORVANTO_SANITIZE  every target with AddressSanitizer and
#                     UndefinedBehaviorSanitizer (make test-sanitize)
#   ORVANTO_FUZZ      the libFuzzer targets of fuzz/ with the same sanitizers,
#                     built with clang (make fuzz)
option(ORVANTO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ORVANTO_FUZZ "Build the libFuzzer targets (clang)" OFF)

set(orvanto_sanitizers -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
if(ORVANTO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link ${orvanto_sanitizers})
  add_link_options(-fsanitize=address,undefined)
elseif(ORVANTO_SANITIZE)
  add_compile_options(${orvanto_sanitizers})
  add_link_options(-fsanitize=address,undefined)
endif()
