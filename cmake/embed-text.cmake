# cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DFUNCTION=<name> -P embed-text.cmake
# Writes a C++ source whose function <name>() returns the bytes of <file> as a std::string_view.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp "// Generated from ${INPUT}; do not edit.\n#include <string_view>\n\n"
    "namespace {\nconst unsigned char Bytes[] = {\n${bytes}0};\n}\n\n"
    "std::string_view ${FUNCTION}() {\n"
    "    return {reinterpret_cast<const char*>(Bytes), sizeof Bytes - 1};\n}\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
