# Every target of the project compiles with these warnings. They are errors only with
# MV52_WERROR (our test and CI builds): a packager's compiler may warn where ours does not.
option(MV52_WERROR "Treat compiler warnings as errors" OFF)
function(mv52_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${MV52_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wsign-conversion -Wnon-virtual-dtor)
    if(MV52_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
    # GCC 12 reports false -Wrestrict overlaps inside std::string concatenation when
    # optimising (GCC bug 105329); later compilers keep the check.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
  endif()
endfunction()
