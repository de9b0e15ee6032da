# Installation: the program folder as the build makes it (the program, the
# picture library and every data file beside them) goes to
# <prefix>/lib/datewright, with a link in <prefix>/bin and the desktop entry,
# icon and file types in <prefix>/share.
include(GNUInstallDirs)

set(DW_INSTALL_PROGRAM_DIR lib/datewright)
# From the folder of the links to the program folder, whatever the prefix.
file(RELATIVE_PATH DW_BIN_TO_PROGRAM_DIR /prefix/${CMAKE_INSTALL_BINDIR}
    /prefix/${DW_INSTALL_PROGRAM_DIR})

install(TARGETS datewright datewright-render
    RUNTIME DESTINATION ${DW_INSTALL_PROGRAM_DIR})
install(TARGETS NViewLib
    LIBRARY DESTINATION ${DW_INSTALL_PROGRAM_DIR})

# The data files of the program folder; not the programs installed above, nor
# what a run of the program in the build tree has written there.
install(DIRECTORY ${DW_PROGRAM_DIR}/
    DESTINATION ${DW_INSTALL_PROGRAM_DIR}
    REGEX "/(datewright|datewright-render|libNViewLib\\.so)$" EXCLUDE
    REGEX "/(DW\\.ini|DWRECUR\\.DA[TX]|Clipbrd\\.tmp|TempFile\\.tmp|\\$N\\$VIEW\\$\\.BMP)$" EXCLUDE
    REGEX "/[^/]*\\.([Dd][Ww][Cc]|lock)$" EXCLUDE)

# The program finds its data beside its own file, which the link resolves to.
install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    foreach(program datewright datewright-render)
        file(CREATE_LINK \"${DW_BIN_TO_PROGRAM_DIR}/\${program}\" \"\${bin}/\${program}\" SYMBOLIC)
    endforeach()
")

install(FILES ${PROJECT_SOURCE_DIR}/data/org.datewright.Datewright.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/datewright.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/datewright-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME datewright.xml)
