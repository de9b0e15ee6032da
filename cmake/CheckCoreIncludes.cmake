# Run by the build for a core library (cmake -P): fails when one of SOURCES
# ("|"-separated) includes a header of Qt Widgets or Qt Print Support (the
# header files in FORBIDDEN_DIRS that are not also in ALLOWED_DIRS), whatever
# its spelling (<QWidget>, <QtWidgets/QWidget>, <QtWidgets>), or a header of
# a widget layer ("ui/..."). Touches STAMP when none does.
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" sources "${SOURCES}")

set(forbidden)
foreach(dir IN LISTS FORBIDDEN_DIRS)
    get_filename_component(module ${dir} NAME)
    list(APPEND forbidden ${module})
    file(GLOB headers RELATIVE ${dir} ${dir}/*)
    list(APPEND forbidden ${headers})
endforeach()
foreach(dir IN LISTS ALLOWED_DIRS)
    file(GLOB headers RELATIVE ${dir} ${dir}/*)
    if(headers)
        list(REMOVE_ITEM forbidden ${headers})
    endif()
endforeach()

set(failures)
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" header "${line}")
        get_filename_component(name ${header} NAME)
        if(name IN_LIST forbidden OR header MATCHES "(^|/)ui/")
            list(APPEND failures "${source}: ${line}")
        endif()
    endforeach()
endforeach()

if(failures)
    list(JOIN failures "\n  " listed)
    message(FATAL_ERROR "${TARGET} is a core and links Qt Core and Qt Gui only; "
        "move the widget code to the subsystem's ui folder:\n  ${listed}")
endif()
file(TOUCH ${STAMP})
