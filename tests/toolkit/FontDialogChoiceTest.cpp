#include "FontDialogChoice.h"

#include <QFontInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const TFontDesc boldTitle{u"Times New Roman"_s, 26, TFontStyle::fsBold, clBlack};

// The dialog opened on a default font instead of the font it edits.
TEST(FontDialogChoiceTest, TheDialogOpensOnTheFaceAsDrawnWithSizeAndStyle)
{
    const QFont shown = DialogFontFor(boldTitle);
    EXPECT_EQ(shown.family(), QFontInfo(QFont(u"Times New Roman"_s)).family());
    EXPECT_EQ(shown.pointSize(), 26);
    EXPECT_TRUE(shown.bold());
    EXPECT_FALSE(shown.italic());

    const TFontDesc unsized{u"Arial"_s, 0, TFontStyle::fsItalic | TFontStyle::fsStrikeOut, clRed};
    const QFont plain = DialogFontFor(unsized);
    EXPECT_EQ(plain.pointSize(), 10);
    EXPECT_TRUE(plain.italic());
    EXPECT_TRUE(plain.strikeOut());
    EXPECT_FALSE(plain.underline());
}

// OK with nothing changed turned the bold serif title into plain sans.
TEST(FontDialogChoiceTest, OnlyWhatTheUserChangedIsTaken)
{
    const QFont shown = DialogFontFor(boldTitle);
    const auto changed = [&shown](const std::function<void(QFont &)> &change) {
        QFont chosen = shown;
        change(chosen);
        return FontFromDialog(boldTitle, shown, chosen);
    };
    const auto with = [](const std::function<void(TFontDesc &)> &change) {
        TFontDesc font = boldTitle;
        change(font);
        return font;
    };
    const struct
    {
        const char *what;
        TFontDesc result, expected;
    } cases[] = {
        {"nothing", changed([](QFont &) {}), boldTitle},
        {"family", changed([](QFont &f) { f.setFamily(u"Liberation Mono"_s); }),
         with([](TFontDesc &f) { f.Name = u"Liberation Mono"_s; })},
        {"family in other case", changed([](QFont &f) { f.setFamily(f.family().toUpper()); }),
         boldTitle},
        {"size", changed([](QFont &f) { f.setPointSize(30); }),
         with([](TFontDesc &f) { f.Size = 30; })},
        {"bold off", changed([](QFont &f) { f.setBold(false); }),
         with([](TFontDesc &f) { f.Style = {}; })},
        {"italic on", changed([](QFont &f) { f.setItalic(true); }),
         with([](TFontDesc &f) { f.Style |= TFontStyle::fsItalic; })},
        {"underline and strike-out", changed([](QFont &f) {
             f.setUnderline(true);
             f.setStrikeOut(true);
         }),
         with([](TFontDesc &f) { f.Style |= TFontStyle::fsUnderline | TFontStyle::fsStrikeOut; })},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.result, c.expected) << c.what;
}

// A style the shown family lacks is not lost when the dialog could not show it.
TEST(FontDialogChoiceTest, AStyleTheDialogCouldNotShowIsKept)
{
    QFont shown = DialogFontFor(boldTitle);
    shown.setBold(false);
    EXPECT_EQ(FontFromDialog(boldTitle, shown, shown), boldTitle);
}

} // namespace
