#include "MainCaption.h"

#include "Numbers.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString MainCaption(const QString &documentFileName, float scale)
{
    QString caption = u"Datewright"_s;
    if (!documentFileName.isEmpty())
        caption += u"  ["_s + QFileInfo(documentFileName).fileName() + u']';
    caption += u"    ["_s + QString::number(Round(double(scale) * 100)) + u"%]"_s;
    return caption;
}
