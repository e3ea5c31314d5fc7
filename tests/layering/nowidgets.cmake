# Fails when PROGRAM needs the Qt Widgets library; reads its dynamic section with
# READELF. A program that needs no Qt Core either was not read right, and fails too.
execute_process(COMMAND ${READELF} -d ${PROGRAM}
                OUTPUT_VARIABLE section ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${READELF} could not read ${PROGRAM}: ${errors}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*" needed "${section}")
if(NOT needed MATCHES "libQt6Core")
  message(FATAL_ERROR "${PROGRAM} needs no Qt Core library; its dynamic section:\n${section}")
endif()
if(needed MATCHES "libQt6(Widgets|PrintSupport)")
  list(JOIN needed "\n" needed)
  message(FATAL_ERROR "The core library links Qt Widgets; move what needs widgets into lumora_ui.\n"
                      "Libraries needed by a program linked with the core alone:\n${needed}")
endif()
message(STATUS "The core links no Qt Widgets")
