# mv52_lay_out_once(TEMPLATE TARGET): copies TEMPLATE to TARGET only when TARGET does not exist.
# For files the program writes at run time (language/mysetup.ini): a configure or install
# over an existing tree keeps what the program wrote there. Usable from a CMakeLists.txt and
# from a script run with cmake -P.
function(mv52_lay_out_once template target)
  if(EXISTS "${target}" OR IS_SYMLINK "${target}")
    return()
  endif()
  get_filename_component(folder "${target}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${template}" "${target}" ONLY_IF_DIFFERENT)
endfunction()
