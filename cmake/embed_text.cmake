# Turns a text file into a C++ source that defines one character array holding it, so that files
# kept and linted as what they are (a stylesheet, a script) still ship inside the executable.
# Run as: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -DNAMESPACE=... -P embed_text.cmake
file(READ "${INPUT}" content)
string(FIND "${content}" ")orvane_text\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} holds the raw-string delimiter )orvane_text\"")
endif()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} at build time; edit that file instead.\n"
  "namespace ${NAMESPACE} {\n"
  "extern const char ${SYMBOL}[];\n"
  "const char ${SYMBOL}[] = R\"orvane_text(${content})orvane_text\";\n"
  "}\n")
configure_file("${OUTPUT}.tmp" "${OUTPUT}" COPYONLY)  # rewritten only when it changed
file(REMOVE "${OUTPUT}.tmp")
