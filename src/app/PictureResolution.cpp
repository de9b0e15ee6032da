#include "PictureResolution.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

QStringList ResolutionFilters(const QString &kind, const QString &pattern)
{
    QStringList filters{kind + u" ("_s + pattern + u')'};
    for (const int dpi : PrintResolutions)
        filters << u"%1 at %2 dots per inch (%3)"_s.arg(kind).arg(dpi).arg(pattern);
    return filters;
}

int ResolutionOfFilter(const QString &filter)
{
    static const QRegularExpression atDpi(u" at (\\d+) dots per inch \\("_s);
    const QRegularExpressionMatch match = atDpi.match(filter);
    if (!match.hasMatch())
        return 0;
    const int dpi = match.captured(1).toInt();
    return std::ranges::find(PrintResolutions, dpi) != PrintResolutions.end() ? dpi : 0;
}

QString SavedAtResolutionMessage(const QString &fileName, int dpi)
{
    return u"Saved as "_s + fileName + u"\r\r"_s +
           u"The calendar has been saved at %1 dots per inch."_s.arg(dpi);
}
