# Compiles resource files (window descriptions, pictures, styles) into a C++
# source, so the program reads no data files at run time.
function(cirquet_embed_resources out_cpp base_dir)
  set(files ${ARGN})
  add_custom_command(
    OUTPUT ${out_cpp}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out_cpp} -DBASE=${base_dir} "-DFILES=${files}"
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    COMMENT "Embedding resources"
    VERBATIM)
endfunction()
