# dsp_embed_resources(TARGET FUNCTION name RESOURCES name1 path1 [name2 path2 ...])
# Builds the static library TARGET holding each file as a byte array, with
# `dsp::ResourceTable dsp::<FUNCTION>()` to look them up by name (declare it in
# a header of the layer that uses it). Paths are relative to the calling
# folder; the library is rebuilt whenever a file changes.
function(dsp_embed_resources target)
  cmake_parse_arguments(ARG "" "FUNCTION" "RESOURCES" ${ARGN})
  list(LENGTH ARG_RESOURCES count)
  math(EXPR odd "${count} % 2")
  if(count EQUAL 0 OR odd)
    message(FATAL_ERROR "dsp_embed_resources(${target}): RESOURCES takes name/path pairs")
  endif()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_data.cpp)
  set(args)
  set(files)
  math(EXPR last "${count} - 1")
  foreach(i RANGE 0 ${last} 2)
    math(EXPR j "${i} + 1")
    list(GET ARG_RESOURCES ${i} name)
    list(GET ARG_RESOURCES ${j} path)
    get_filename_component(path ${path} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND args "${name}=${path}")
    list(APPEND files ${path})
  endforeach()
  add_custom_command(OUTPUT ${out}
    COMMAND dsp_embed ${out} ${ARG_FUNCTION} ${args}
    DEPENDS dsp_embed ${files}
    COMMENT "Embedding ${target}: ${files}"
    VERBATIM)
  dsp_library(${target} SOURCES ${out} LINKS dsp_embedded_resource)
endfunction()
