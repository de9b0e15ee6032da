#include "DocumentSession.h"

#include "RtfStorage.h"

#include <QList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Records every notification the session sends, in order.
struct TSessionLog
{
    explicit TSessionLog(TDocumentSession &session)
    {
        QObject::connect(&session, &TDocumentSession::ModifiedChanged, [this](bool modified) {
            Events << (modified ? u"modified"_s : u"saved"_s);
        });
        QObject::connect(&session, &TDocumentSession::FileNameChanged,
                         [this](const QString &name) { Events << u"file "_s + name; });
        QObject::connect(&session, &TDocumentSession::ToolChanged,
                         [this](TLPanelState tool) { Events << u"tool %1"_s.arg(int(tool)); });
    }
    QStringList Events;
};

TEST(DocumentSessionTest, NotifiesRealChangesOnlyInTheOrderMade)
{
    TDocumentSession session;
    TSessionLog log(session);
    session.SetModified(false);
    session.SetModified(true);
    session.SetModified(true);
    session.SetFileName(u"/cal/Dec.DWC"_s);
    session.SetFileName(u"/cal/Dec.DWC"_s);
    session.SetTool(psPointing);
    session.SetTool(psLabel);
    session.SetTool(psLabel);
    session.SetModified(false);
    session.SetFileName(QString());
    EXPECT_EQ(log.Events, (QStringList{u"modified"_s, u"file /cal/Dec.DWC"_s, u"tool 1"_s,
                                       u"saved"_s, u"file "_s}));
    EXPECT_TRUE(session.Untitled());
    EXPECT_FALSE(session.Modified());
    EXPECT_EQ(session.Tool(), psLabel);
}

TEST(DocumentSessionTest, StartsUntitledUnchangedPointingAndOneCopy)
{
    const TDocumentSession session;
    EXPECT_TRUE(session.Untitled());
    EXPECT_FALSE(session.Modified());
    EXPECT_FALSE(session.NewDocument());
    EXPECT_FALSE(session.PropertiesAccepted());
    EXPECT_EQ(session.CurrentCell(), 0);
    EXPECT_EQ(session.EditedCell(), nullptr);
    EXPECT_EQ(session.Tool(), psPointing);
    EXPECT_FALSE(session.Printed());
    EXPECT_EQ(session.CopiesToPrint(), 1);
}

// A cell's edit goes through its steps; after each, what the session tells.
TEST(DocumentSessionTest, CellEditCountsTypingOnlyOnceTheCellIsLoaded)
{
    enum TStep { Begin, Change, Loaded, End, Unload };
    struct Case
    {
        const char *name;
        QList<TStep> steps;
        bool editing;
        bool typed;
        bool lastChangeCounted;
    };
    const Case cases[] = {
        {"opened, nothing typed", {Begin, Loaded}, true, false, false},
        {"a change while loading is not typing", {Begin, Change}, true, false, false},
        {"typing after loading", {Begin, Loaded, Change}, true, true, true},
        {"ended: nothing open, nothing typed", {Begin, Loaded, Change, End}, false, false, true},
        {"the next cell starts untyped", {Begin, Loaded, Change, Unload, Begin}, true, false, true},
        {"a change after the edit ended is no typing",
         {Begin, Loaded, End, Change},
         false,
         false,
         true},
    };
    for (const Case &c : cases) {
        TDocumentSession session;
        TWPRtfStorage cell;
        bool counted = false;
        for (const TStep step : c.steps) {
            switch (step) {
            case Begin:
                session.BeginCellEdit(cell);
                break;
            case Change:
                counted = session.NoteCellChange();
                break;
            case Loaded:
                session.SetCellLoaded(true);
                break;
            case End:
                session.EndCellEdit();
                break;
            case Unload:
                session.SetCellLoaded(false);
                break;
            }
        }
        EXPECT_EQ(session.CellEditing(), c.editing) << c.name;
        EXPECT_EQ(session.EditedCell(), c.editing ? &cell : nullptr) << c.name;
        EXPECT_EQ(session.CellTyped(), c.typed) << c.name;
        EXPECT_EQ(counted, c.lastChangeCounted) << c.name;
    }
}

} // namespace
