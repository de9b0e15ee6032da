#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <variant>

// The arguments of one line of a batch file, split the way a shell splits
// them: words part at spaces and tabs; 'single quotes' keep everything
// inside as it stands; "double quotes" keep everything but \" and \\; a
// backslash outside quotes keeps the character after it; a # starting a
// word comments out the rest of the line. Or one line saying what is wrong
// (a quote left open, a backslash ending the line).
std::variant<QStringList, QString> SplitBatchLine(QStringView line);
