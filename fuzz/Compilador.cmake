# The compiler of a fuzzing build (TARVEL_FUZZ): clang with libFuzzer, and the
# core built with AddressSanitizer and UndefinedBehaviorSanitizer so that a
# memory fault or undefined behaviour is a finding like a crash.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR CMAKE_CXX_COMPILER_VERSION VERSION_LESS 16)
  message(FATAL_ERROR "TARVEL_FUZZ needs clang 16 or later (Debian's clang-16 and libclang-rt-16-dev; "
                      "scripts/fuzz installs and chooses them), not ${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION}")
endif()

# GCC 12's standard library offers std::expected only to compilers that
# announce concepts at level 202002. Clang 16 implements what that header
# needs (conditionally trivial special members) but still announces 201907,
# so the announcement is corrected for this build.
add_compile_options(-U__cpp_concepts -D__cpp_concepts=202002L)

add_compile_options(-fsanitize=address,undefined,float-divide-by-zero -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined,float-divide-by-zero)
