#include "SuperTextGetSymbol.h"

#include "Messages.h"
#include "ModalDialog.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Records the information messages and answers the modal dialogs with
// Answer; takes both away afterwards.
class SymbolSelector : public ::testing::Test
{
protected:
    SymbolSelector()
    {
        TMessageAnswerer answerer;
        answerer.Information = [this](const QString &text) { Told << text; };
        SetMessageAnswerer(answerer);
        SetModalAnswerer([this](QDialog &dialog) {
            ++Shown;
            return Answer(dynamic_cast<TSuperTextGetSymbol &>(dialog));
        });
    }
    ~SymbolSelector() override
    {
        SetModalAnswerer({});
        SetMessageAnswerer({});
    }

    std::function<int(TSuperTextGetSymbol &)> Answer = [](TSuperTextGetSymbol &) {
        return int(QDialog::Rejected);
    };
    QStringList Told;
    int Shown = 0;
};

} // namespace

TEST(SymbolFonts, WingdingIsPreferredElseTheFirst)
{
    const struct
    {
        QStringList families;
        int chosen;
    } cases[] = {
        {{}, -1},
        {{u"OpenSymbol"_s}, 0},
        {{u"Dingbats"_s, u"OpenSymbol"_s}, 0},
        {{u"Dingbats"_s, u"Marks"_s, u"Wingdings 2"_s, u"Wingdings"_s}, 2},
        {{u"Dingbats"_s, u"my wingding set"_s}, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PreferredSymbolFont(c.families), c.chosen) << c.families.join(u',').toStdString();
}

TEST(SymbolFonts, TheInstalledSymbolFontIsOffered)
{
    // The set-up command installs OpenSymbol, so the selector is never empty.
    const QStringList families = SymbolFontFamilies();
    EXPECT_TRUE(families.contains(u"OpenSymbol"_s)) << families.join(u", ").toStdString();
    QStringList sorted = families;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(families, sorted);
}

TEST_F(SymbolSelector, ListsTheCharactersOfThePreferredFont)
{
    TSuperTextGetSymbol dialog({u"Dingbats"_s, u"OpenSymbol"_s, u"Wingdings"_s});
    EXPECT_EQ(dialog.windowTitle(), u"Symbol Selector"_s);
    EXPECT_EQ(dialog.SymbolSets->toolTip(), u"Select a symbol font set"_s);
    EXPECT_EQ(dialog.OKButton->toolTip(), u"Copy the selected symbol to the label"_s);
    EXPECT_EQ(dialog.SymbolSets->currentText(), u"Wingdings"_s);
    EXPECT_EQ(dialog.SymbolList->font().family(), u"Wingdings"_s);
    EXPECT_EQ(dialog.SymbolList->font().pixelSize(), TSuperTextGetSymbol::GlyphPixels);
    ASSERT_EQ(dialog.SymbolList->count(), 224);
    EXPECT_EQ(dialog.SymbolList->item(0)->text(), u" "_s);
    EXPECT_EQ(dialog.SymbolList->item(33)->text(), u"A"_s);
    // Characters 128 to 159 are those of the code page the documents use.
    EXPECT_EQ(dialog.SymbolList->item(0x80 - 32)->text(), QString(QChar(0x20AC)));
    EXPECT_EQ(dialog.SymbolList->item(223)->text(), QString(QChar(0xFF)));
    EXPECT_EQ(dialog.SymbolList->currentRow(), 0);

    dialog.SymbolSets->setCurrentIndex(0);
    EXPECT_EQ(dialog.SymbolList->font().family(), u"Dingbats"_s);
    EXPECT_EQ(dialog.FontName(), u"Dingbats"_s);
}

TEST_F(SymbolSelector, OkOrADoubleClickGivesTheCharacterAndItsFont)
{
    Answer = [](TSuperTextGetSymbol &dialog) {
        dialog.SymbolList->setCurrentRow(0x4A - 32);
        dialog.OKButton->click();
        return dialog.result();
    };
    std::optional<TSymbolChoice> choice = AskSymbol(nullptr, {u"OpenSymbol"_s}, {});
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->Symbol, u"J"_s);
    EXPECT_EQ(choice->FontName, u"OpenSymbol"_s);

    int centred = 0;
    Answer = [](TSuperTextGetSymbol &dialog) {
        QListWidgetItem *item = dialog.SymbolList->item(5);
        dialog.SymbolList->setCurrentItem(item);
        emit dialog.SymbolList->itemDoubleClicked(item);
        return dialog.result();
    };
    choice = AskSymbol(nullptr, {u"OpenSymbol"_s}, [&centred](QWidget &) { ++centred; });
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->Symbol, u"%"_s);
    EXPECT_EQ(centred, 1);

    Answer = [](TSuperTextGetSymbol &dialog) {
        dialog.SymbolList->setCurrentRow(9);
        dialog.CancelButton->click();
        return dialog.result();
    };
    EXPECT_FALSE(AskSymbol(nullptr, {u"OpenSymbol"_s}, {}));
    EXPECT_TRUE(Told.isEmpty());
}

TEST_F(SymbolSelector, WithoutSymbolFontsItSaysSoAndGivesNothing)
{
    EXPECT_FALSE(AskSymbol(nullptr, {}, {}));
    EXPECT_EQ(Told, QStringList{u"No Symbol fonts installed"_s});
    EXPECT_EQ(Shown, 0);
}
