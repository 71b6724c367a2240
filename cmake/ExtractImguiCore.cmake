# Builds an archive holding exactly the Dear ImGui core objects, and fails when
# the result holds anything else.
string(REPLACE "," ";" MEMBERS "${MEMBERS}")
file(REMOVE_RECURSE ${WORK_DIR}/objects)
file(MAKE_DIRECTORY ${WORK_DIR}/objects)
execute_process(COMMAND ${AR} x ${SOURCE_ARCHIVE} ${MEMBERS}
    WORKING_DIRECTORY ${WORK_DIR}/objects RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not extract ${MEMBERS} from ${SOURCE_ARCHIVE}")
endif()
file(REMOVE ${OUTPUT_ARCHIVE})
execute_process(COMMAND ${AR} rcs ${OUTPUT_ARCHIVE} ${MEMBERS}
    WORKING_DIRECTORY ${WORK_DIR}/objects RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not write ${OUTPUT_ARCHIVE}")
endif()
execute_process(COMMAND ${AR} t ${OUTPUT_ARCHIVE} OUTPUT_VARIABLE listed
    OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REPLACE "\n" ";" listed "${listed}")
list(SORT listed)
set(expected ${MEMBERS})
list(SORT expected)
if(NOT listed STREQUAL expected)
    message(FATAL_ERROR "${OUTPUT_ARCHIVE} holds '${listed}', expected only '${expected}'")
endif()
