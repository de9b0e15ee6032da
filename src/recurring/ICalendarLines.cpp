#include "ICalendarLines.h"

namespace {

constexpr int FoldWidth = 75;

// The parameters of a line, "NAME=VALUE" separated by ";", values
// optionally in double quotes (which may hold ";" and ":"). Multiple values
// are kept as one text.
QList<std::pair<QString, QString>> ParseParameters(const QString &text)
{
    QList<std::pair<QString, QString>> parameters;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype equals = text.indexOf(u'=', at);
        const qsizetype semicolon = text.indexOf(u';', at);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            at = semicolon < 0 ? text.size() : semicolon + 1;
            continue;
        }
        const QString name = text.mid(at, equals - at).toUpper();
        QString value;
        bool quoted = false;
        at = equals + 1;
        for (; at < text.size(); ++at) {
            const QChar c = text[at];
            if (c == u'"')
                quoted = !quoted;
            else if (c == u';' && !quoted)
                break;
            else
                value += c;
        }
        ++at;
        parameters.append({name, value});
    }
    return parameters;
}

} // namespace

QString TContentLine::Parameter(const QString &name) const
{
    for (const auto &[key, value] : Parameters) {
        if (key == name)
            return value;
    }
    return {};
}

QList<QString> UnfoldICalendarLines(const QByteArray &bytes)
{
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    // Unfolded as bytes, so a character folded in the middle of its bytes
    // comes together again before it is decoded.
    QList<QByteArray> unfolded;
    const auto takeLine = [&](QByteArrayView line) {
        const bool continuation = !line.isEmpty() && (line[0] == ' ' || line[0] == '\t');
        if (continuation && !unfolded.isEmpty())
            unfolded.last() += line.sliced(1);
        else if (!line.isEmpty())
            unfolded.append(line.toByteArray());
    };
    qsizetype start = 0;
    qsizetype at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c != '\r' && c != '\n') {
            ++at;
            continue;
        }
        takeLine(text.sliced(start, at - start));
        ++at;
        if (c == '\r' && at < text.size() && text[at] == '\n')
            ++at;
        start = at;
    }
    if (start < text.size())
        takeLine(text.sliced(start));
    QList<QString> lines;
    lines.reserve(unfolded.size());
    for (const QByteArray &line : unfolded)
        lines.append(QString::fromUtf8(line));
    return lines;
}

std::optional<TContentLine> ParseContentLine(const QString &line)
{
    bool quoted = false;
    qsizetype colon = -1;
    for (qsizetype at = 0; at < line.size(); ++at) {
        const QChar c = line[at];
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u':' && !quoted) {
            colon = at;
            break;
        }
    }
    if (colon <= 0)
        return std::nullopt;
    const QString head = line.left(colon);
    const qsizetype semicolon = head.indexOf(u';');
    TContentLine parsed;
    parsed.Name = (semicolon < 0 ? head : head.left(semicolon)).trimmed().toUpper();
    if (parsed.Name.isEmpty())
        return std::nullopt;
    if (semicolon >= 0)
        parsed.Parameters = ParseParameters(head.mid(semicolon + 1));
    parsed.Value = line.mid(colon + 1);
    return parsed;
}

QString UnescapeText(const QString &value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype at = 0; at < value.size(); ++at) {
        const QChar c = value[at];
        if (c != u'\\' || at + 1 == value.size()) {
            text += c;
            continue;
        }
        const QChar next = value[++at];
        text += next == u'n' || next == u'N' ? QChar(u'\n') : next;
    }
    return text;
}

QString EscapeText(const QString &text)
{
    QString value;
    value.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\' || c == u';' || c == u',')
            value += u'\\';
        if (c == u'\n') {
            value += QStringLiteral("\\n");
            continue;
        }
        if (c == u'\r')
            continue;
        value += c;
    }
    return value;
}

QByteArray FoldContentLine(const QString &line)
{
    const QByteArray utf8 = line.toUtf8();
    QByteArray folded;
    qsizetype start = 0;
    int width = FoldWidth;
    while (utf8.size() - start > width) {
        qsizetype end = start + width;
        // Back up to the first byte of a character.
        while (end > start && (uchar(utf8[end]) & 0xC0) == 0x80)
            --end;
        folded += utf8.mid(start, end - start);
        folded += "\r\n ";
        start = end;
        // The space that starts a continuation counts.
        width = FoldWidth - 1;
    }
    folded += utf8.mid(start);
    folded += "\r\n";
    return folded;
}
