#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The entries of the properties dialog's border list: " [No Special Border]"
// first, then the name of every border in programFolder's "Borders" folder
// (found in any letter case) that has a landscape picture (".wls"), sorted
// without regard to case and each listed once. Nothing when there is no such
// folder.
std::optional<QStringList> BorderListEntries(const QString &programFolder);

// The entry that shows borderName (compared without regard to case); the
// first entry, no border, when none does.
int BorderListIndex(const QStringList &entries, const QString &borderName);

QString NoSpecialBorderEntry();
