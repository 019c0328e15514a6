# Turns a binary file into a C++ source that defines one std::array.
#   cmake -DINPUT=file.bin -DOUTPUT=file.cpp -DSYMBOL=Name -DHEADER=render/Fonts.h -P EmbedBinary.cmake
file(READ "${INPUT}" content HEX)
string(LENGTH "${content}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${content}")
# Thirty-two bytes to a line keeps the source readable in an editor.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){32})" "\\1\n    " body "${body}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT} at build time; do not edit.\n"
"#include \"${HEADER}\"\n\n"
"namespace scrivel::render {\n\n"
"extern const std::array<uint8_t, ${size}> ${SYMBOL};\n"
"const std::array<uint8_t, ${size}> ${SYMBOL} = {{\n    ${body}\n}};\n\n"
"}  // namespace scrivel::render\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
