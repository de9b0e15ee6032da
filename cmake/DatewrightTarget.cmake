# Warnings as errors for the project's own code.
function(dw_project_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# One static library of a subsystem: dw_<name> from the listed sources.
function(dw_add_library name)
    add_library(dw_${name} STATIC ${ARGN})
    target_include_directories(dw_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    dw_project_target(dw_${name})
endfunction()
