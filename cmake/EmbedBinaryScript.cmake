# Script mode: cmake -DINPUT=... -DSYMBOL=... -DOUTPUT=... -P EmbedBinaryScript.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n  " bytes "${bytes}")
file(WRITE ${OUTPUT}
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <array>\n\n"
  "extern const std::array<unsigned char, ${size}> ${SYMBOL};\n"
  "const std::array<unsigned char, ${size}> ${SYMBOL} = {\n  ${bytes}\n};\n")
