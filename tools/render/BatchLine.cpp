#include "BatchLine.h"

#include <QCoreApplication>

#include <utility>

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r';
}

} // namespace

std::variant<QStringList, QString> SplitBatchLine(QStringView line)
{
    QStringList words;
    QString word;
    bool inWord = false; // set by quotes too, so that '' is an empty word
    qsizetype i = 0;
    const qsizetype length = line.size();
    while (i < length) {
        const QChar c = line[i];
        if (IsBlank(c)) {
            if (inWord)
                words << std::exchange(word, QString());
            inWord = false;
            ++i;
        } else if (c == u'#' && !inWord) {
            break;
        } else if (c == u'\\') {
            if (i + 1 >= length)
                return QCoreApplication::translate("datewright-render",
                                                   "the line ends in a backslash");
            word += line[i + 1];
            inWord = true;
            i += 2;
        } else if (c == u'\'') {
            const qsizetype end = line.indexOf(u'\'', i + 1);
            if (end < 0)
                return QCoreApplication::translate("datewright-render",
                                                   "a single quote is not closed");
            word += line.mid(i + 1, end - i - 1);
            inWord = true;
            i = end + 1;
        } else if (c == u'"') {
            inWord = true;
            for (++i;; ++i) {
                if (i >= length)
                    return QCoreApplication::translate("datewright-render",
                                                       "a double quote is not closed");
                if (line[i] == u'"')
                    break;
                if (line[i] == u'\\' && i + 1 < length &&
                    (line[i + 1] == u'"' || line[i + 1] == u'\\'))
                    ++i;
                word += line[i];
            }
            ++i;
        } else {
            word += c;
            inWord = true;
            ++i;
        }
    }
    if (inWord)
        words << word;
    return words;
}
