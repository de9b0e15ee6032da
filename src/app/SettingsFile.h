#pragma once

#include <QString>

class TIniFile;

// The program's settings file "DW.ini", in the folder where the program
// writes files beside itself.
QString SettingsFileName();

// Writes ini to its file. A write the system refuses is told to the user in a
// message naming the file; a file that could not be read whole is left as it
// is, which the user is told once a run. The result says whether the file
// was written.
bool WriteSettings(const TIniFile &ini);
