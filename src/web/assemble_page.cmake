# Puts the WebAssembly (as base64), its script and the licence into the page's shell.
execute_process(COMMAND base64 -w0 ${WASM} OUTPUT_VARIABLE RICATTURA_WASM COMMAND_ERROR_IS_FATAL ANY)
file(READ ${GLUE} RICATTURA_GLUE)
file(READ ${LICENCE} RICATTURA_LICENCE)
string(STRIP "${RICATTURA_LICENCE}" RICATTURA_LICENCE)
if(RICATTURA_GLUE MATCHES "</script" OR RICATTURA_LICENCE MATCHES "--")
  message(FATAL_ERROR "the script or the licence would end its HTML element early")
endif()
configure_file(${SHELL} ${PAGE} @ONLY)
