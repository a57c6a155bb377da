# petcalc_embed_resources(<target> MODULE <name> FILES <files...>)
# Compiles the files into <target> as the resource table of module <name>. A .bmp file is stored
# as its DIB (the 14-byte file header removed) under its upper-case file stem with type BITMAP;
# any other file keeps its bytes, with the upper-case extension as type (JPG, CUR...). The table
# registers itself at start-up; add it to an executable (or an object library), since a static
# library's unreferenced object would be dropped by the linker.
set(PETCALC_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedResourcesScript.cmake)

function(petcalc_embed_resources target)
  cmake_parse_arguments(ARG "" "MODULE" "FILES" ${ARGN})
  if(NOT ARG_MODULE)
    set(ARG_MODULE main)
  endif()
  set(abs_files)
  foreach(f ${ARG_FILES})
    get_filename_component(a ${f} ABSOLUTE)
    list(APPEND abs_files ${a})
  endforeach()
  string(REPLACE ";" "|" joined "${abs_files}")
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_${ARG_MODULE}_resources.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${out} -DMODULE=${ARG_MODULE} "-DFILES=${joined}"
            -P ${PETCALC_EMBED_SCRIPT}
    DEPENDS ${abs_files} ${PETCALC_EMBED_SCRIPT}
    COMMENT "Embedding resources of module ${ARG_MODULE} into ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
