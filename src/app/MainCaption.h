#pragma once

#include <QString>

// The main window's caption: the product name, then, with a document file,
// two spaces and "[file name]" (without folder), then four spaces and
// "[NN%]", the scale in percent rounded half to even.
QString MainCaption(const QString &documentFileName, float scale);
