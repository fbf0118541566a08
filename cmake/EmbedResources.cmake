# Compiles files (window descriptions, pictures, styles, font faces) into a
# C++ source, so the program reads no data files at run time.
#   cirquet_embed_resources(<out.cpp> <base dir> <files...>
#                           [FUNCTION <namespace>::<name>] [HEADER <include>])
# The generated function returns every file's path relative to the base dir
# with its contents; by default it is cq::embeddedResources().
function(cirquet_embed_resources out_cpp base_dir)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "FUNCTION;HEADER" "")
  if(NOT arg_FUNCTION)
    set(arg_FUNCTION cq::embeddedResources)
  endif()
  if(NOT arg_HEADER)
    set(arg_HEADER platform/resources.h)
  endif()
  set(files ${arg_UNPARSED_ARGUMENTS})
  add_custom_command(
    OUTPUT ${out_cpp}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out_cpp} -DBASE=${base_dir} "-DFILES=${files}"
            -DFUNCTION=${arg_FUNCTION} -DHEADER=${arg_HEADER}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    COMMENT "Embedding resources into ${out_cpp}"
    VERBATIM)
endfunction()
