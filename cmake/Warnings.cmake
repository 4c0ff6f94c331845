# Every target of the project compiles with the same warnings; CI builds once with sanitizers.
add_library(vorn_warnings INTERFACE)
target_compile_options(vorn_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
  -Wcast-align -Wunused -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # g++ 12 at -O3 reports std::string copies as overlapping memcpy (a known false positive).
  target_compile_options(vorn_warnings INTERFACE -Wno-restrict)
endif()
if(WIN32)
  # mingw-w64's g++ 12 at -O3 reports std::string copies as possible null dereferences.
  target_compile_options(vorn_warnings INTERFACE -Wno-null-dereference)
endif()
if(VORN_WERROR)
  target_compile_options(vorn_warnings INTERFACE -Werror)
endif()
if(VORN_FUZZ)
  # Coverage for libFuzzer in every object, the fuzzer's own main only in the fuzz targets.
  # Not clang's "function" check: interfaces of the C surface are released and queried through
  # their IUnknown view, as the C ABI of these interfaces has it (and as every client does).
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize=function -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VORN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Adds every source of a folder (recursively) to a target, so that a new class needs no CMake edit.
function(vorn_glob_sources target)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
    target_sources(${target} PRIVATE ${srcs})
  endforeach()
endfunction()
