# Installation: the program folder as the build makes it (the program, the
# picture library and every data file beside them) goes to
# <prefix>/lib/datewright, with links in <prefix>/bin; the desktop entry,
# icon, file types, metainfo, manual pages and the package's documents go to
# <prefix>/share.
include(GNUInstallDirs)
include(cmake/DatewrightPackageFiles.cmake)

set(DW_INSTALL_PROGRAM_DIR lib/datewright)
# From the folder of the links to the program folder, whatever the prefix.
file(RELATIVE_PATH DW_BIN_TO_PROGRAM_DIR /prefix/${CMAKE_INSTALL_BINDIR}
    /prefix/${DW_INSTALL_PROGRAM_DIR})

install(TARGETS datewright datewright-render
    RUNTIME DESTINATION ${DW_INSTALL_PROGRAM_DIR})
install(TARGETS NViewLib
    LIBRARY DESTINATION ${DW_INSTALL_PROGRAM_DIR})
# Marks the program folder as installed (InstalledMarkName in ProgramFolder.h):
# the program then writes its files in each user's data folder, even when run
# as root, who could write here. The build tree has no mark and writes beside
# the program, as before.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/Installed
    DESTINATION ${DW_INSTALL_PROGRAM_DIR})

# The data files of the program folder, whatever they are and however deep:
# not the programs installed above, nor what a run of the program in the
# build tree has written at the top of its folder (settings, recurring dates,
# temporary files, the running copy's lock, documents proposed there).
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" DW_PROGRAM_DIR_PATTERN "${DW_PROGRAM_DIR}")
set(DW_WRITTEN_FILES
    "DW\\.ini|DWRECUR\\.DA[TX]|Clipbrd\\.tmp|TempFile\\.tmp|\\$N\\$VIEW\\$\\.BMP|[^/]*\\.[Dd][Ww][Cc]|[^/]*\\.lock")
install(DIRECTORY ${DW_PROGRAM_DIR}/
    DESTINATION ${DW_INSTALL_PROGRAM_DIR}
    REGEX "^${DW_PROGRAM_DIR_PATTERN}/(datewright|datewright-render|libNViewLib\\.so)$" EXCLUDE
    REGEX "^${DW_PROGRAM_DIR_PATTERN}/(${DW_WRITTEN_FILES})$" EXCLUDE)

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
install(FILES ${DW_METAINFO}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DW_MAN_PAGES}
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${DW_PACKAGE_FILES_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/datewright)
