# Turns a binary file into a C++ source defining
#   extern const std::array<unsigned char, N> <symbol>;
# at build time, so the program carries the bytes instead of reading the file.
function(kx_embed_binary input symbol output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DSYMBOL=${symbol} -DOUTPUT=${output}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedBinaryScript.cmake
    DEPENDS ${input} ${CMAKE_SOURCE_DIR}/cmake/EmbedBinaryScript.cmake
    COMMENT "Embedding ${input}"
    VERBATIM)
endfunction()
