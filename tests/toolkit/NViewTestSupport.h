#pragma once

#include "Messages.h"
#include "NViewLib.h"
#include "ProgramFolder.h"

#include <QList>
#include <QPair>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The picture library as built (in the build's program folder, which also
// becomes ProgramFolder) and as missing (an empty temporary folder), with
// every warning shown recorded instead.
class NViewLibTestBase : public testing::Test
{
protected:
    void SetUp() override
    {
        SetProgramFolder(BuiltFolder());
        TMessageAnswerer answerer;
        answerer.Warning = [this](const QString &text, const QString &caption) {
            Warnings.append({text, caption});
        };
        SetMessageAnswerer(answerer);
    }

    void TearDown() override
    {
        SetMessageAnswerer({});
        SetProgramFolder(QString());
    }

    static QString BuiltFolder() { return QString::fromUtf8(DW_TEST_PROGRAM_DIR); }

    // Whether every warning recorded is the missing-library message.
    bool OnlyMissingLibraryWarnings() const
    {
        for (const auto &[text, caption] : Warnings) {
            if (text != u"A required .DLL file, NViewLib.dll, was not found." ||
                caption != u"Error Starting NViewLib.dll")
                return false;
        }
        return true;
    }

    QTemporaryDir Temp;
    const TNViewLib Built{BuiltFolder()};
    const TNViewLib Missing{Temp.path()};
    QList<QPair<QString, QString>> Warnings;
};
