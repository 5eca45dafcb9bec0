# Writes OUTPUT, a C++ source holding the bytes of INPUT as
#   const unsigned char SYMBOL[]  and  const std::size_t SYMBOL_size.
# Usage: cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P embed_file.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
if(digits EQUAL 0)
    message(FATAL_ERROR "embed_file: ${INPUT} is empty")
endif()
# 16 bytes (32 hex digits) to a row; CMake's regular expressions have no {n}.
string(REPEAT "[0-9a-f]" 32 row)
string(REGEX REPLACE "(${row})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}"
    "// Generated from ${name} by embed_file.cmake.\n"
    "#include <cstddef>\n\n"
    "extern const unsigned char ${SYMBOL}[];\n"
    "extern const std::size_t ${SYMBOL}_size;\n\n"
    "const unsigned char ${SYMBOL}[] = {\n${bytes}\n};\n"
    "const std::size_t ${SYMBOL}_size = sizeof(${SYMBOL});\n")
