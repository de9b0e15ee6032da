#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "ProgramFolder.h"
#include "TemplateDesigns.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Pictures of the whole pages, for looking at the designs.
QString WritePreviews(const QString &templates, const QString &folder)
{
    QDir().mkpath(folder);
    for (const TTemplateDesign &design : TemplateDesigns()) {
        TCalendarPage page;
        if (page.LoadFromFile(QDir(templates).filePath(design.Name + QStringLiteral(".dwc"))))
            return design.Name + QStringLiteral(": cannot be read back");
        if (!RenderToBitmap(page).save(QDir(folder).filePath(design.Name + QStringLiteral(".png"))))
            return design.Name + QStringLiteral(": cannot write its picture");
    }
    return {};
}

} // namespace

// datewright-templates PROGRAM_FOLDER [PREVIEW_FOLDER]: writes the template
// documents into PROGRAM_FOLDER/Templates, built with the borders, icons and
// holiday sets of that folder; with PREVIEW_FOLDER, a picture of each page
// there too.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() > 2) {
        std::fprintf(stderr, "usage: datewright-templates PROGRAM_FOLDER [PREVIEW_FOLDER]\n");
        return 2;
    }
    SetProgramFolder(arguments[0]);
    const QString templates = QDir(arguments[0]).filePath(QStringLiteral("Templates"));
    QString error = WriteTemplateFiles(templates);
    if (error.isEmpty() && arguments.size() == 2)
        error = WritePreviews(templates, arguments[1]);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "datewright-templates: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
