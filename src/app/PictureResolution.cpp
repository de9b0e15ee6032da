#include "PictureResolution.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A file type at a print resolution: the kind, the dots per inch and the
// pattern, in the language of the interface.
QString AtResolutionForm()
{
    return QCoreApplication::translate("PictureResolution", "%1 at %2 dots per inch (%3)");
}

} // namespace

QStringList ResolutionFilters(const QString &kind, const QString &pattern)
{
    QStringList filters{kind + u" ("_s + pattern + u')'};
    for (const int dpi : PrintResolutions)
        filters << AtResolutionForm().arg(kind, QString::number(dpi), pattern);
    return filters;
}

int ResolutionOfFilter(const QString &filter)
{
    // The form with its kind and pattern left open and its number caught.
    QString form = QRegularExpression::escape(AtResolutionForm());
    form.replace(u"\\%1"_s, u".*"_s).replace(u"\\%2"_s, u"(\\d+)"_s).replace(u"\\%3"_s, u".*"_s);
    const QRegularExpression atDpi(QRegularExpression::anchoredPattern(form),
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = atDpi.match(filter);
    if (!match.hasMatch())
        return 0;
    const int dpi = match.captured(1).toInt();
    return std::ranges::find(PrintResolutions, dpi) != PrintResolutions.end() ? dpi : 0;
}

QString SavedAtResolutionMessage(const QString &fileName, int dpi)
{
    return QCoreApplication::translate(
               "PictureResolution",
               "Saved as %1\r\rThe calendar has been saved at %2 dots per inch.")
        .arg(fileName, QString::number(dpi));
}
