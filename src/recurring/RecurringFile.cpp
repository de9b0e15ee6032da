#include "RecurringFile.h"

#include "ProgramFolder.h"
#include "RecurringFormula.h"
#include "SaveFiles.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int LegacyDateWidth = 4;
constexpr int LegacyNameWidth = 150;

QString TooLarge()
{
    return QCoreApplication::translate("RecurringFile", "The file is larger than %1 MB.")
        .arg(MaxRecurringFileSize / (qint64(1024) * 1024));
}

} // namespace

QString RecurringFilePath()
{
    return WritableFilePath(QStringLiteral("DWRECUR.DAX"));
}

QString LegacyRecurringFilePath()
{
    return WritableFilePath(QStringLiteral("DWRECUR.DAT"));
}

QStringList SplitRecurringLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype at = 0;
    const qsizetype size = bytes.size();
    while (at < size) {
        const char c = bytes[at];
        if (c != '\r' && c != '\n') {
            ++at;
            continue;
        }
        lines.append(FromWindows1252(QByteArrayView(bytes).sliced(start, at - start)));
        ++at;
        if (c == '\r' && at < size && bytes[at] == '\n')
            ++at;
        start = at;
    }
    if (start < size)
        lines.append(FromWindows1252(QByteArrayView(bytes).sliced(start)));
    return lines;
}

QByteArray JoinRecurringLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += ToWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

TRecurringRead ReadRecurringFile(const QString &fileName)
{
    TRecurringRead read;
    QFile file(fileName);
    if (!file.exists())
        return read;
    if (!file.open(QIODevice::ReadOnly)) {
        read.Error = file.errorString();
        return read;
    }
    // Read one byte beyond the limit: a device may not know its size.
    const QByteArray bytes = file.read(MaxRecurringFileSize + 1);
    if (bytes.size() > MaxRecurringFileSize) {
        read.Error = TooLarge();
        return read;
    }
    if (file.error() != QFileDevice::NoError) {
        read.Error = file.errorString();
        return read;
    }
    read.Lines = SplitRecurringLines(bytes);
    return read;
}

std::optional<QString> WriteRecurringFile(const QString &fileName, const QStringList &lines)
{
    return SaveBytesFile(JoinRecurringLines(lines), fileName);
}

QString ConvertLegacyLine(const QString &line)
{
    const QString date = line.left(LegacyDateWidth);
    const QString name = line.mid(LegacyDateWidth, LegacyNameWidth);
    return PadToWidth(name, NameWidth) + u'@' + PadToWidth(date, FormulaWidth);
}

std::optional<QString> ConvertLegacyRecurringFile()
{
    const QString legacy = LegacyRecurringFilePath();
    if (!QFileInfo::exists(legacy))
        return std::nullopt;
    const TRecurringRead read = ReadRecurringFile(legacy);
    if (!read.Error.isEmpty())
        return read.Error;
    QStringList lines;
    lines.reserve(read.Lines.size());
    for (const QString &line : read.Lines)
        lines.append(ConvertLegacyLine(line));
    if (std::optional<QString> error = WriteRecurringFile(RecurringFilePath(), lines))
        return error;
    QFile old(legacy);
    if (!old.remove())
        return old.errorString();
    return std::nullopt;
}
