# kaleidra_embed_resources(<target> <ICON|BITMAP> <id constant> <file> ...)
# Compiles each file into <target> as a byte array, and FindResourceData over all of them, so
# every host reads the icon and bitmaps from the program itself. The id constants are those of
# resources/ResourceIds.h; file paths are relative to the calling CMakeLists.txt. An array is
# regenerated at build time whenever its file changes.
set(KALEIDRA_EMBED_FILE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedFile.cmake)
set(KALEIDRA_RESOURCE_KIND_ICON Icon)
set(KALEIDRA_RESOURCE_KIND_BITMAP Bitmap)

function(kaleidra_embed_resources target)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/generated/resources)
  set(RESOURCE_DECLARATIONS "")
  set(RESOURCE_ENTRIES "")
  set(table ${ARGN})
  list(LENGTH table remaining)
  while(remaining GREATER 0)
    if(remaining LESS 3)
      message(FATAL_ERROR "kaleidra_embed_resources: '${table}' is not a kind, an id and a file")
    endif()
    list(POP_FRONT table kind id file)
    math(EXPR remaining "${remaining} - 3")
    set(enumerator ${KALEIDRA_RESOURCE_KIND_${kind}})
    if(NOT enumerator)
      message(FATAL_ERROR "kaleidra_embed_resources: unknown kind ${kind} for ${file}")
    endif()
    cmake_path(ABSOLUTE_PATH file NORMALIZE OUTPUT_VARIABLE input)
    set(symbol EMBEDDED_${kind}_${id})
    set(source ${generated}/${symbol}.cpp)
    add_custom_command(
      OUTPUT ${source}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${source} -DSYMBOL=${symbol}
              -P ${KALEIDRA_EMBED_FILE_SCRIPT}
      DEPENDS ${input} ${KALEIDRA_EMBED_FILE_SCRIPT}
      COMMENT "Embedding ${file}"
      VERBATIM)
    target_sources(${target} PRIVATE ${source})
    string(APPEND RESOURCE_DECLARATIONS "extern const std::span<const unsigned char> ${symbol};\n")
    string(APPEND RESOURCE_ENTRIES "    {ResourceKind::${enumerator}, ${id}, &${symbol}},\n")
  endwhile()
  configure_file(${PROJECT_SOURCE_DIR}/resources/ResourceData.cpp.in ${generated}/ResourceData.cpp @ONLY)
  target_sources(${target} PRIVATE ${generated}/ResourceData.cpp)
endfunction()
