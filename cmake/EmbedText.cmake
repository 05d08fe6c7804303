# Turns the page runtime library files and the style block into a C++ source file in the
# build tree. The bytes are written as numbers, so no text ever needs escaping.
set(QUILLCAST_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_text_script.cmake)

function(quillcast_embed_text)
  cmake_parse_arguments(E "" "OUTPUT;STYLE" "RUNTIME" ${ARGN})
  string(REPLACE ";" "|" runtime_arg "${E_RUNTIME}")
  add_custom_command(
    OUTPUT ${E_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${E_OUTPUT} "-DRUNTIME=${runtime_arg}" -DSTYLE=${E_STYLE}
            -P ${QUILLCAST_EMBED_SCRIPT}
    DEPENDS ${E_RUNTIME} ${E_STYLE} ${QUILLCAST_EMBED_SCRIPT}
    COMMENT "Embedding the page runtime library and the style block"
    VERBATIM)
endfunction()
