#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The calendar designs shipped in the program folder's "Templates": each a
// calendar document named "NAME.dwc" after its template's English name.

// The folder of the templates inside programFolder.
QString TemplateFolder(const QString &programFolder);

// The names of the shipped designs, in the order the program shows them.
const QStringList &TemplateCatalog();

// The names of the templates in programFolder: those of the catalog in its
// order, then any other document of the folder by name.
QStringList TemplateNames(const QString &programFolder);

// The document of the template name (letter case ignored); empty when there
// is none.
QString TemplateFile(const QString &programFolder, const QString &name);

// The name as the user reads it: translated for the shipped designs.
QString TemplateTitle(const QString &name);

// The template's whole page, objects and all, scaled to fit a square of
// side pixels; null when the document cannot be read.
QImage TemplateThumbnail(const QString &fileName, int side);
