#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// The recurring-dates file "DWRECUR.DAX": one entry a line in Windows-1252,
// each line ended by CR LF. Reading takes CR, LF or CR LF as a line end and
// keeps empty lines; a missing file is an empty list.

inline constexpr qint64 MaxRecurringFileSize = qint64(64) * 1024 * 1024;

// Where the program keeps "DWRECUR.DAX" and the older "DWRECUR.DAT".
QString RecurringFilePath();
QString LegacyRecurringFilePath();

// The lines of text, split at CR LF, CR or LF; the end of the last line is
// optional.
QStringList SplitRecurringLines(const QByteArray &bytes);
// The file's bytes for lines.
QByteArray JoinRecurringLines(const QStringList &lines);

struct TRecurringRead
{
    QStringList Lines;
    // Why the file could not be read; empty when it was (or is missing).
    QString Error;
};
// Reads a recurring-dates file; a missing file gives no lines and no error,
// a file larger than MaxRecurringFileSize an error.
TRecurringRead ReadRecurringFile(const QString &fileName);
// Writes lines to fileName, replacing it only once every line is written;
// why it failed, or nothing.
std::optional<QString> WriteRecurringFile(const QString &fileName, const QStringList &lines);

// The entry a line of the older file becomes: four characters MMDD, then the
// name (at most 150 characters) in 120 characters, "@", and MMDD padded to 10.
QString ConvertLegacyLine(const QString &line);
// Converts "DWRECUR.DAT" when it exists: its lines, converted in their order,
// replace "DWRECUR.DAX", and the old file is deleted once the new one is
// written (it stays when anything fails). Why it failed, or nothing.
std::optional<QString> ConvertLegacyRecurringFile();
