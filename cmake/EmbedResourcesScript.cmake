# cmake -DOUTPUT=<file.cpp> -DMODULE=<name> -DFILES=<a|b|c> -P EmbedResourcesScript.cmake
string(REPLACE "|" ";" files "${FILES}")
set(body "")
set(entries "")
set(index 0)
foreach(f ${files})
  get_filename_component(stem ${f} NAME_WE)
  get_filename_component(ext ${f} EXT)
  string(TOUPPER "${stem}" name)
  string(TOUPPER "${ext}" ext)
  string(REGEX REPLACE "^\\." "" ext "${ext}")
  file(READ ${f} hex HEX)
  if(ext STREQUAL "BMP")
    string(SUBSTRING "${hex}" 0 4 magic)
    if(NOT magic STREQUAL "424d")
      message(FATAL_ERROR "${f} is not a bitmap file")
    endif()
    string(SUBSTRING "${hex}" 28 -1 hex)
    set(type BITMAP)
  else()
    set(type ${ext})
  endif()
  string(LENGTH "${hex}" hexlen)
  math(EXPR size "${hexlen} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "alignas(4) const std::uint8_t Data${index}[] = {${bytes}0};\n")
  string(APPEND entries "    {\"${name}\", \"${type}\", Data${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
if(index EQUAL 0)
  set(table "const TResourceEntry* const Entries = nullptr;\nconstexpr std::size_t Count = 0;")
else()
  set(table "const TResourceEntry Entries[] = {\n${entries}};\nconstexpr std::size_t Count = sizeof(Entries) / sizeof(Entries[0]);")
endif()
file(WRITE ${OUTPUT}.tmp
"// Generated from resource files; do not edit.
#include \"platform/draw/Resources.h\"

#include <cstdint>

namespace {
${body}
${table}

struct TRegistrar {
    TRegistrar() { RegisterResourceModule(\"${MODULE}\", Entries, Count); }
} Registrar;
} // namespace
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
