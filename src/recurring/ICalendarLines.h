#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The content lines of an iCalendar file: "NAME;PARAM=VALUE:VALUE", folded
// at 75 octets by a line break followed by a space or a tab.

struct TContentLine
{
    // Upper case.
    QString Name;
    // Parameter names upper case, values without their quotes.
    QList<std::pair<QString, QString>> Parameters;
    QString Value;

    // The value of parameter name (upper case), empty when absent.
    QString Parameter(const QString &name) const;
};

// The unfolded lines of text (UTF-8, a leading byte-order mark skipped),
// split at CR LF, CR or LF; empty lines dropped.
QList<QString> UnfoldICalendarLines(const QByteArray &bytes);

// Splits one unfolded line; nothing when it has no ":" outside quotes or no
// name.
std::optional<TContentLine> ParseContentLine(const QString &line);

// A TEXT value with its escapes ("\\", "\;", "\,", "\n") resolved.
QString UnescapeText(const QString &value);
// text escaped as a TEXT value.
QString EscapeText(const QString &text);

// line in UTF-8, folded so that no line is longer than 75 octets (a
// character's bytes never split), each ended by CR LF.
QByteArray FoldContentLine(const QString &line);
