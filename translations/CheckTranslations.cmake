# Run by the test "Translations.CompleteAndCurrent": brings copies of the .ts
# files up to date with the sources, as "update_translations" would, and
# fails when a text has no translation yet (new or changed in the code) or a
# translation has no text any more.
#   -DLUPDATE=<lupdate> -DSOURCE_DIR=<project> -DWORK_DIR=<folder>
#   -DTS_FILES=<file;file...>
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copies)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK_DIR}/${name} COPYONLY)
    list(APPEND copies ${WORK_DIR}/${name})
endforeach()
execute_process(
    COMMAND ${LUPDATE} -silent -locations none -no-ui-lines
            ${SOURCE_DIR}/src ${SOURCE_DIR}/tools/render -ts ${copies}
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
set(faults)
foreach(copy IN LISTS copies)
    file(READ ${copy} text)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<comment>[^<]*</comment>[ \n]*)?<translation type=\"(unfinished|vanished|obsolete)\""
           entries "${text}")
    string(REGEX MATCHALL "type=\"(unfinished|vanished|obsolete)\"" marks "${text}")
    list(LENGTH marks count)
    if(count GREATER 0)
        get_filename_component(name ${copy} NAME)
        list(APPEND faults "${name}: ${count} unfinished or obsolete:")
        foreach(entry IN LISTS entries)
            string(REGEX REPLACE "[ \n]*<translation.*" "" entry "${entry}")
            list(APPEND faults "    ${entry}")
        endforeach()
    endif()
endforeach()
if(faults)
    string(REPLACE ";" "\n" faults "${faults}")
    message(FATAL_ERROR "The translations are not complete; run the target "
                        "update_translations and translate:\n${faults}")
endif()
