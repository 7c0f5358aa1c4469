# Writes a C++ source that holds the bytes of a file as an array, so the program carries them.
#
# cmake -DINPUT=<file> -DOUTPUT=<source> -DSYMBOL=<name> -P EmbedBytes.cmake
# defines torvane::<name> (const unsigned char[]) and torvane::<name>Size (std::size_t). The array
# ends in one extra 0 byte that the size leaves out, so that an empty file still compiles.
foreach(var INPUT OUTPUT SYMBOL)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "EmbedBytes.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")

cmake_path(GET INPUT FILENAME input_name)
file(WRITE "${OUTPUT}"
  "// Generated at build time from ${input_name}; edit that file instead.\n"
  "#include <cstddef>\n\n"
  "namespace torvane {\n\n"
  "extern const unsigned char ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}Size;\n\n"
  "const unsigned char ${SYMBOL}[] = {\n    ${bytes}0x00};\n"
  "const std::size_t ${SYMBOL}Size = ${size};\n\n"
  "}  // namespace torvane\n")
