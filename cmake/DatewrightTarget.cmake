# Warnings as errors for the project's own code.
function(dw_project_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# The Qt modules and libraries a core must not reach: a core links Qt Core and
# Qt Gui only, and nothing of a widget layer.
set(DW_WIDGET_LINKS "^(Qt6::(Widgets|PrintSupport|OpenGLWidgets)|dw_.*_ui)$")

# Marks target as one that links cores only: a core library, a command-line
# tool, a fuzz target or the test program of a core. dw_check_core_links
# checks every marked target once the whole project is configured.
function(dw_core_only target)
    set_property(GLOBAL APPEND PROPERTY DW_CORE_ONLY_TARGETS ${target})
endfunction()

# Builds the stamp of target's include check: the build stops when one of
# sources names a Qt Widgets or Qt Print Support header, or a header of a
# widget layer, even in a form the include path would let through
# (<QtWidgets/QWidget>).
function(dw_check_core_includes target)
    set(sources)
    foreach(source IN LISTS ARGN)
        get_filename_component(path ${source} ABSOLUTE)
        list(APPEND sources ${path})
    endforeach()
    list(JOIN sources "|" joined)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_includes.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} "-DTARGET=${target}" "-DSOURCES=${joined}"
                "-DFORBIDDEN_DIRS=${DW_WIDGET_INCLUDE_DIRS}" "-DALLOWED_DIRS=${DW_CORE_INCLUDE_DIRS}"
                "-DSTAMP=${stamp}" -P ${PROJECT_SOURCE_DIR}/cmake/CheckCoreIncludes.cmake
        DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckCoreIncludes.cmake
        COMMENT "Checking that ${target} includes no widget header"
        VERBATIM)
    add_custom_target(${target}_includes DEPENDS ${stamp})
    add_dependencies(${target} ${target}_includes)
endfunction()

# The subsystems' cores from the lowest to the highest: a core links only
# cores before it, so that dependencies point one way. Cores not listed (the
# tools' libraries) come above them all.
set(DW_CORE_ORDER dw_dib dw_toolkit dw_nviewlib dw_richtext dw_print dw_month dw_design
    dw_objects dw_images dw_calendar dw_recurring dw_app)

# Marks target as a core, for dw_check_core_order.
function(dw_mark_core target)
    set_property(GLOBAL APPEND PROPERTY DW_CORES ${target})
endfunction()

# The core library of a subsystem: dw_<name> from the listed sources.
function(dw_add_library name)
    add_library(dw_${name} STATIC ${ARGN})
    dw_mark_core(dw_${name})
    target_include_directories(dw_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    dw_project_target(dw_${name})
    dw_core_only(dw_${name})
    dw_check_core_includes(dw_${name} ${ARGN})
endfunction()

# The widget layer of a subsystem, in src/<name>/ui: dw_<name>_ui from the
# listed sources, over the subsystem's core and Qt Widgets.
function(dw_add_widget_library name)
    add_library(dw_${name}_ui STATIC ${ARGN})
    target_include_directories(dw_${name}_ui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(dw_${name}_ui PUBLIC dw_${name} Qt6::Widgets)
    dw_project_target(dw_${name}_ui)
endfunction()

# The libraries target links, directly or through others, in result.
function(dw_link_closure target result)
    set(seen)
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(type ${current} TYPE)
        set(links)
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(direct ${current} LINK_LIBRARIES)
            if(direct)
                list(APPEND links ${direct})
            endif()
        endif()
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        if(interface)
            list(APPEND links ${interface})
        endif()
        foreach(link IN LISTS links)
            # Static libraries pass their private links on as $<LINK_ONLY:...>.
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
            if(TARGET ${link})
                get_target_property(aliased ${link} ALIASED_TARGET)
                if(aliased)
                    list(APPEND pending ${aliased})
                endif()
                list(APPEND pending ${link})
            endif()
        endforeach()
    endwhile()
    list(REMOVE_ITEM seen ${target})
    set(${result} ${seen} PARENT_SCOPE)
endfunction()

# Stops the configuration when a target marked by dw_core_only links Qt
# Widgets, Qt Print Support or a widget layer, however indirectly.
function(dw_check_core_links)
    get_property(targets GLOBAL PROPERTY DW_CORE_ONLY_TARGETS)
    foreach(target IN LISTS targets)
        dw_link_closure(${target} closure)
        foreach(link IN LISTS closure)
            get_target_property(aliased ${link} ALIASED_TARGET)
            if(link MATCHES "${DW_WIDGET_LINKS}" OR (aliased AND aliased MATCHES "${DW_WIDGET_LINKS}"))
                message(FATAL_ERROR "${target} links cores only, but it links ${link}")
            endif()
        endforeach()
    endforeach()
endfunction()

# Stops the configuration when a core of DW_CORE_ORDER links, however
# indirectly, a core that is not below it.
function(dw_check_core_order)
    get_property(cores GLOBAL PROPERTY DW_CORES)
    foreach(core IN LISTS DW_CORE_ORDER)
        if(NOT TARGET ${core})
            continue()
        endif()
        list(FIND DW_CORE_ORDER ${core} level)
        dw_link_closure(${core} closure)
        foreach(link IN LISTS closure)
            list(FIND DW_CORE_ORDER ${link} linked)
            if(link IN_LIST cores AND (linked EQUAL -1 OR linked GREATER level))
                message(FATAL_ERROR "${core} is below ${link}, but it links it")
            endif()
        endforeach()
    endforeach()
endfunction()
