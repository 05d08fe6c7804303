# Runs in script mode: joins the runtime files in order, ends the text with the "//EOF"
# fragment (no line end behind it) and writes both texts as byte arrays.
string(REPLACE "|" ";" runtime_files "${RUNTIME}")

function(bytes_of_file file out)
  file(READ ${file} hex HEX)
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

set(runtime_hex "")
foreach(f IN LISTS runtime_files)
  bytes_of_file(${f} h)
  string(APPEND runtime_hex "${h}")
  # Make sure every file ends with a line end before the next one starts.
  string(LENGTH "${h}" len)
  if(len GREATER 1)
    math(EXPR last "${len} - 2")
    string(SUBSTRING "${h}" ${last} 2 tail)
    if(NOT tail STREQUAL "0a")
      string(APPEND runtime_hex "0a")
    endif()
  endif()
endforeach()
# "//EOF"
string(APPEND runtime_hex "2f2f454f46")
bytes_of_file(${STYLE} style_hex)

function(hex_to_array hex out)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," arr "${hex}")
  set(${out} "${arr}" PARENT_SCOPE)
endfunction()

hex_to_array("${runtime_hex}" runtime_arr)
hex_to_array("${style_hex}" style_arr)
file(WRITE ${OUTPUT}.tmp
"// generated, do not edit: made from page-runtime/ at build time
#include \"common/embedded_texts.h\"
namespace qc {
namespace {
const char kRuntime[] = {${runtime_arr} 0};
const char kStyle[] = {${style_arr} 0};
} // namespace
std::string_view runtimeLibraryText() { return {kRuntime, sizeof(kRuntime) - 1}; }
std::string_view styleBlockText() { return {kStyle, sizeof(kStyle) - 1}; }
} // namespace qc
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
