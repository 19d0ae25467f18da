# Writes OUTPUT, a C++ source defining `const unsigned char SYMBOL[]` with the bytes of INPUT and a final NUL.
# Run as: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P EmbedText.cmake
file(READ "${INPUT}" content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; edit that file instead.\nnamespace brackenhollow {\nextern const unsigned char ${SYMBOL}[];\nconst unsigned char ${SYMBOL}[] = {\n${bytes}0x00};\n}  // namespace brackenhollow\n")
