# Writes a C++ source that carries a file's bytes and a function that gives them.
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DFUNCTION=name -DHEADER=path/to/header.h -P embed_bytes.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
# One literal line per 64 bytes keeps the source readable by tools.
string(REGEX REPLACE "((\\\\x..){64})" "\\1\"\n    \"" escaped "${escaped}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT} at build time; not edited by hand.
#include \"${HEADER}\"

namespace {
const char kBytes[${size} + 1] =
    \"${escaped}\";
}  // namespace

std::string_view ${FUNCTION}() { return {kBytes, ${size}}; }
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
