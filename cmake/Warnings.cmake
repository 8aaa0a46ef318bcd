# Every target of the project compiles with warnings as errors.
function(mv52_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wsign-conversion -Wnon-virtual-dtor -Werror)
    # GCC 12 reports false -Wrestrict overlaps inside std::string concatenation when
    # optimising (GCC bug 105329); later compilers keep the check.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
  endif()
endfunction()
