# The files an installation has besides the program folder that the build
# makes: the software centre's metainfo with its releases and screenshots,
# the manual pages and the compressed changelog.
set(DW_PACKAGE_FILES_DIR ${CMAKE_BINARY_DIR}/packaging)
set(DW_SCREENSHOT_DIR ${CMAKE_BINARY_DIR}/screenshots)
set(DW_SCREENSHOT_URL https://datewright.org/screenshots/${PROJECT_VERSION})
set(DW_CHANGELOG ${PROJECT_SOURCE_DIR}/packaging/changelog)

function(dw_xml_escape text result)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

# The releases of the Debian changelog as AppStream <release> elements, newest
# first, in result; the newest release's version in newest.
function(dw_changelog_releases changelog result newest)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    file(STRINGS ${changelog} lines)
    set(releases "")
    set(items "")
    set(first "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^datewright \\(([^)]+)\\)")
            set(version ${CMAKE_MATCH_1})
            if(NOT first)
                set(first ${version})
            endif()
        elseif(line MATCHES "^  \\* (.*)$")
            dw_xml_escape("${CMAKE_MATCH_1}" item)
            if(items)
                string(APPEND items "</li>\n")
            endif()
            string(APPEND items "          <li>${item}")
        elseif(line MATCHES "^    (.*)$")
            dw_xml_escape("${CMAKE_MATCH_1}" item)
            string(APPEND items " ${item}")
        elseif(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9]+) ")
            list(FIND months ${CMAKE_MATCH_2} month)
            math(EXPR month "${month} + 1")
            string(LENGTH ${month} digits)
            string(LENGTH ${CMAKE_MATCH_1} day_digits)
            set(day ${CMAKE_MATCH_1})
            if(digits EQUAL 1)
                set(month 0${month})
            endif()
            if(day_digits EQUAL 1)
                set(day 0${day})
            endif()
            string(APPEND releases
                "    <release version=\"${version}\" date=\"${CMAKE_MATCH_3}-${month}-${day}\">\n"
                "      <description>\n        <ul>\n${items}</li>\n        </ul>\n"
                "      </description>\n    </release>\n")
            set(items "")
        endif()
    endforeach()
    string(REGEX REPLACE "\n$" "" releases "${releases}")
    set(${result} "${releases}" PARENT_SCOPE)
    set(${newest} "${first}" PARENT_SCOPE)
endfunction()

dw_changelog_releases(${DW_CHANGELOG} DW_METAINFO_RELEASES DW_NEWEST_RELEASE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${DW_CHANGELOG})
if(NOT DW_NEWEST_RELEASE STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog ends at version ${DW_NEWEST_RELEASE}, the project "
                        "is ${PROJECT_VERSION}: add the release to the changelog")
endif()

# A screenshot of the software centre: the page datewright-render draws with
# the options given, as screenshots/name.png; the first one is the default.
set(DW_METAINFO_SCREENSHOTS "")
set(DW_SCREENSHOT_FILES "")
function(dw_screenshot name caption)
    set(file ${DW_SCREENSHOT_DIR}/${name}.png)
    add_custom_command(OUTPUT ${file}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${DW_SCREENSHOT_DIR}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C
                $<TARGET_FILE:datewright-render> ${ARGN} -o ${file}
        DEPENDS datewright-render
        COMMENT "Rendering the screenshot ${name}.png"
        VERBATIM)
    set(type "")
    if(NOT DW_METAINFO_SCREENSHOTS)
        set(type " type=\"default\"")
    endif()
    dw_xml_escape("${caption}" caption)
    string(APPEND DW_METAINFO_SCREENSHOTS
        "    <screenshot${type}>\n      <caption>${caption}</caption>\n"
        "      <image>${DW_SCREENSHOT_URL}/${name}.png</image>\n    </screenshot>\n")
    set(DW_METAINFO_SCREENSHOTS "${DW_METAINFO_SCREENSHOTS}" PARENT_SCOPE)
    set(DW_SCREENSHOT_FILES ${DW_SCREENSHOT_FILES} ${file} PARENT_SCOPE)
endfunction()

dw_screenshot(month "December with the months around it, a border and the holidays filled in"
    --layout loFCMinisInTitleLS --month 12 --year 2026 --border Holly --fill holidays:UK)
dw_screenshot(year "A year of mini calendars on one page"
    --layout loMC12MonthLS --month 1 --year 2027 --border Stars)
dw_screenshot(week "A week planner"
    --layout loWeek --month 3 --year 2027 --day 8 --fill holidays:DE)
string(REGEX REPLACE "\n$" "" DW_METAINFO_SCREENSHOTS "${DW_METAINFO_SCREENSHOTS}")

set(DW_METAINFO ${DW_PACKAGE_FILES_DIR}/org.datewright.Datewright.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/data/org.datewright.Datewright.metainfo.xml.in
    ${DW_METAINFO} @ONLY)

# Compressed as Debian wants them: the most, and without a name or time in the
# header, so the same text gives the same bytes.
set(DW_COMPRESSED_FILES "")
function(dw_compress source output)
    add_custom_command(OUTPUT ${output}
        COMMAND gzip -9 -n -c ${source} > ${output}
        DEPENDS ${source}
        COMMENT "Compressing ${output}"
        VERBATIM)
    set(DW_COMPRESSED_FILES ${DW_COMPRESSED_FILES} ${output} PARENT_SCOPE)
endfunction()

set(DW_MAN_PAGES "")
foreach(page datewright.1 datewright-render.1)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${page}.in ${DW_PACKAGE_FILES_DIR}/${page} @ONLY)
    dw_compress(${DW_PACKAGE_FILES_DIR}/${page} ${DW_PACKAGE_FILES_DIR}/${page}.gz)
    list(APPEND DW_MAN_PAGES ${DW_PACKAGE_FILES_DIR}/${page}.gz)
endforeach()
dw_compress(${DW_CHANGELOG} ${DW_PACKAGE_FILES_DIR}/changelog.gz)

add_custom_target(dw_package_files ALL DEPENDS ${DW_SCREENSHOT_FILES} ${DW_COMPRESSED_FILES})
add_dependencies(dw_package_files dw_holiday_sets)
