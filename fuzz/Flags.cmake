# Compiler flags of the fuzz build, for every target made after this file is
# included: the project's libraries get the fuzzer's coverage hooks and the
# same sanitizers as the harnesses, so a fault inside a reader is caught where
# it happens rather than later in uninstrumented code.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "WANDREL_FUZZ needs clang (e.g. -DCMAKE_CXX_COMPILER=clang++-14)")
endif()
if(WANDREL_SANITIZE)
    message(FATAL_ERROR "WANDREL_FUZZ brings its own sanitizers; leave WANDREL_SANITIZE off")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=all -O1 -g)
add_link_options(-fsanitize=address,undefined)
