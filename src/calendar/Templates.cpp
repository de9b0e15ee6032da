#include "Templates.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The catalog's names, marked for translation in the "Templates" context.
constexpr const char *CatalogNames[] = {
    QT_TRANSLATE_NOOP("Templates", "Wall photo calendar A4"),
    QT_TRANSLATE_NOOP("Templates", "Wall photo calendar Letter"),
    QT_TRANSLATE_NOOP("Templates", "Desk calendar"),
    QT_TRANSLATE_NOOP("Templates", "Year at a glance"),
    QT_TRANSLATE_NOOP("Templates", "Family week planner"),
    QT_TRANSLATE_NOOP("Templates", "Day planner"),
    QT_TRANSLATE_NOOP("Templates", "Birthday calendar"),
    QT_TRANSLATE_NOOP("Templates", "Holiday calendar Canada"),
    QT_TRANSLATE_NOOP("Templates", "Holiday calendar France"),
    QT_TRANSLATE_NOOP("Templates", "Holiday calendar Germany"),
    QT_TRANSLATE_NOOP("Templates", "Holiday calendar Italy"),
    QT_TRANSLATE_NOOP("Templates", "Holiday calendar Spain"),
    QT_TRANSLATE_NOOP("Templates", "Holiday calendar United Kingdom"),
    QT_TRANSLATE_NOOP("Templates", "Holiday calendar United States"),
};

// The documents of the folder by their names (the file name without ".dwc").
QStringList DocumentNames(const QString &folder)
{
    QStringList names;
    const QFileInfoList files =
        QDir(folder).entryInfoList({u"*.dwc"_s, u"*.DWC"_s}, QDir::Files | QDir::Readable);
    for (const QFileInfo &file : files)
        names << file.completeBaseName();
    names.removeDuplicates();
    return names;
}

} // namespace

QString TemplateFolder(const QString &programFolder)
{
    const QString found = FindFileNoCase(programFolder, u"Templates"_s);
    return found.isEmpty() ? QDir(programFolder).filePath(u"Templates"_s) : found;
}

const QStringList &TemplateCatalog()
{
    static const QStringList catalog = [] {
        QStringList names;
        for (const char *name : CatalogNames)
            names << QString::fromLatin1(name);
        return names;
    }();
    return catalog;
}

QStringList TemplateNames(const QString &programFolder)
{
    QStringList present = DocumentNames(TemplateFolder(programFolder));
    QStringList names;
    for (const QString &name : TemplateCatalog()) {
        if (present.removeAll(name) > 0)
            names << name;
    }
    std::sort(present.begin(), present.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names + present;
}

QString TemplateFile(const QString &programFolder, const QString &name)
{
    if (name.isEmpty() || name.contains(u'/'))
        return {};
    const QString folder = TemplateFolder(programFolder);
    for (const QString &present : DocumentNames(folder)) {
        if (present.compare(name, Qt::CaseInsensitive) == 0)
            return FindFileNoCase(folder, present + u".dwc"_s);
    }
    return {};
}

QString TemplateTitle(const QString &name)
{
    if (!TemplateCatalog().contains(name))
        return name;
    return QCoreApplication::translate("Templates", name.toLatin1().constData());
}

QImage TemplateThumbnail(const QString &fileName, int side)
{
    TCalendarPage page;
    if (side < 1 || page.LoadFromFile(fileName))
        return {};
    const double longest = std::max(page.PageWidth(), page.PageHeight());
    if (longest < 1)
        return {};
    return PageBitmapAt(page, float(side / longest));
}
