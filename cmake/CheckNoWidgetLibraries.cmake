# Run as a test (cmake -P): fails when PROGRAM loads Qt Widgets or Qt Print
# Support at run time, as ldd lists its shared libraries.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "ldd cannot list the libraries of ${PROGRAM}")
endif()
string(REGEX MATCHALL "libQt6(Widgets|PrintSupport|OpenGLWidgets)[^ \t\n]*" widgets "${libraries}")
if(widgets)
    message(FATAL_ERROR "${PROGRAM} links cores only, but it loads ${widgets}")
endif()
message(STATUS "${PROGRAM} loads no widget library")
