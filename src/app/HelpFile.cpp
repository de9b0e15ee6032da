#include "HelpFile.h"

#include "ProgramFolder.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

const QString helpFileName = u"DW.HLP"_s;

} // namespace

QString HelpFileName(const QString &language)
{
    if (language != InterfaceLanguages().constFirst()) {
        const QString translated = FindFileNoCase(ProgramFolder(), u"DW_%1.HLP"_s.arg(language));
        if (!translated.isEmpty())
            return translated;
    }
    const QString found = FindFileNoCase(ProgramFolder(), helpFileName);
    return found.isEmpty() ? ProgramFolder() + helpFileName : found;
}

THelpFile ParseHelpText(QByteArrayView bytes)
{
    static const QRegularExpression topicAnchor(u"<a\\s+name\\s*=\\s*\"(\\d{1,9})\""_s,
                                                QRegularExpression::CaseInsensitiveOption);
    THelpFile help;
    help.Html = FromWindows1252(bytes.first(std::min(bytes.size(), MaxHelpFileBytes)));
    QRegularExpressionMatchIterator matches = topicAnchor.globalMatch(help.Html);
    // Found in a set: looked up in the list, thousands of anchors would take
    // a time growing with the square of their number.
    QSet<int> found;
    while (matches.hasNext()) {
        // Context 0 stands for the contents, never for a topic of its own.
        const int context = matches.next().captured(1).toInt();
        if (context > 0 && !found.contains(context)) {
            found.insert(context);
            help.Topics.append(context);
        }
    }
    return help;
}

std::optional<QString> ReadHelpFile(const QString &fileName, THelpFile &help)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    if (file.size() > MaxHelpFileBytes)
        return QCoreApplication::translate("HelpFile",
                                           "the file is larger than a help file can be");
    const QByteArray bytes = file.read(MaxHelpFileBytes);
    if (bytes.isEmpty() && file.error() != QFile::NoError)
        return file.errorString();
    help = ParseHelpText(bytes);
    return std::nullopt;
}

QString HelpAnchor(const THelpFile &help, int context)
{
    if (context != 0 && help.Topics.contains(context))
        return QString::number(context);
    return u"contents"_s;
}
