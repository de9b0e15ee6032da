#pragma once

#include <QString>

// The folder of the program file, with a trailing "/". Data shipped beside the
// program (borders, icon libraries, help) is looked up here.
QString ProgramFolder();

// Makes ProgramFolder answer folder instead (a trailing "/" is added when
// missing); an empty folder goes back to the program's own. Tests use it to
// point the program at a temporary folder.
void SetProgramFolder(const QString &folder);

// The file the install rules put in the program folder, marking the copy
// there as installed.
inline constexpr char16_t InstalledMarkName[] = u"Installed";

// Where a file the program writes beside itself ("DW.ini", "Clipbrd.tmp")
// lives: ProgramFolder when that folder is writable and the copy there is
// not installed (a copy run where it was built); else the per-user data
// folder (created when missing), whoever runs the program, root too.
// Readers and writers both ask here.
QString WritableFilePath(const QString &fileName);

// The existing file or folder that relativePath names inside folder, each
// segment ('/'-separated) matched without regard to letter case, an exact
// match preferred; empty when there is none.
QString FindFileNoCase(const QString &folder, const QString &relativePath);
