#pragma once

#include "Translations.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// The help file "DW.HLP": an HTML page (Windows-1252) whose topics begin at
// anchors named by their context number, <a name="2100">, and whose contents
// begin at the anchor "contents".
struct THelpFile
{
    QString Html;
    // The context numbers (above 0) that have a topic, in file order.
    QList<int> Topics;
};

// Larger files are not read: the help file is a few dozen kilobytes.
constexpr qsizetype MaxHelpFileBytes = qsizetype(4) * 1024 * 1024;

// "DW.HLP" in the program folder, found regardless of letter case; the help
// in the interface's language where the folder holds one ("DW_de.HLP").
QString HelpFileName(const QString &language = InterfaceLanguage());

// The help text of the file's bytes.
THelpFile ParseHelpText(QByteArrayView bytes);
// Reads fileName; the reason when it cannot be read.
std::optional<QString> ReadHelpFile(const QString &fileName, THelpFile &help);

// The anchor the viewer opens for context: the topic's number, or the
// contents when the file has no such topic (and for context 0).
QString HelpAnchor(const THelpFile &help, int context);
