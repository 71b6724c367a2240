# cmake -DSOURCE=<file.wgsl> -DHEADER=<file.h> -DNAME=<identifier> -P WgslToHeader.cmake
# Writes a header holding the WGSL source as one constant string named NAME.
file(READ ${SOURCE} text)
set(delimiter "wgsl")
string(FIND "${text}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${SOURCE} contains the raw string's closing sequence )${delimiter}\"")
endif()
get_filename_component(source_name ${SOURCE} NAME)
file(WRITE ${HEADER}.tmp
    "// Generated at build time from ${source_name}.\n"
    "#pragma once\n\n"
    "static const char ${NAME}[] = R\"${delimiter}(${text})${delimiter}\";\n")
file(RENAME ${HEADER}.tmp ${HEADER})
