#include "ButtonRules.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ButtonRulesTest, HiddenPageLeavesOnlyTheAlwaysEnabledCommands)
{
    TButtonState state;
    state.PrinterAvailable = true;
    const TButtonFlags flags = ButtonFlags(state);
    EXPECT_FALSE(flags.CellCommands);
    EXPECT_FALSE(flags.Save);
    EXPECT_FALSE(flags.RichTextToolBar);
    EXPECT_FALSE(flags.PageCommands);
    EXPECT_FALSE(flags.Print);
    EXPECT_FALSE(flags.CancelChanges);
    EXPECT_FALSE(flags.SaveButtonVisible);
    EXPECT_FALSE(flags.CancelButtonVisible);
    EXPECT_EQ(flags.IconToolCaption, u"Show Icon Tool"_s);
}

TEST(ButtonRulesTest, EachRuleFollowsItsOwnConditions)
{
    struct Case
    {
        const char *name;
        TButtonState state;
        TButtonFlags expected;
    };
    const Case cases[] = {
        {"month page with a file, unchanged",
         {true, true, true, false, true, false, false},
         {true, true, false, true, true, true, false, false, u"Show Icon Tool"_s}},
        {"mini-only page: no cell commands",
         {true, false, true, false, true, false, false},
         {false, true, false, true, true, true, false, false, u"Show Icon Tool"_s}},
        {"new document, changed, editing a cell, palette on screen",
         {true, true, false, true, true, true, true},
         {true, true, true, true, true, false, true, false, u"Hide Icon Tool"_s}},
        {"changed document with a file, no printer",
         {true, true, true, false, false, true, false},
         {true, true, false, true, false, true, true, true, u"Show Icon Tool"_s}},
        {"editor focus without a visible page enables no toolbar",
         {false, false, true, true, true, false, false},
         {false, true, false, false, false, false, false, false, u"Show Icon Tool"_s}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ButtonFlags(c.state), c.expected) << c.name;
}

} // namespace
