#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class QComboBox;
class QListWidget;
class QPushButton;

// The symbol fonts on offer: the installed outline fonts of the symbol
// writing system, sorted.
QStringList SymbolFontFamilies();
// The font selected first: the first whose upper-cased name contains
// "WINGDING", else the first; -1 when there is none.
int PreferredSymbolFont(const QStringList &families);

// "Symbol Selector": the characters 32 to 255 of a symbol font, one of which
// becomes the text of special-effect text.
class TSuperTextGetSymbol : public QDialog
{
    Q_OBJECT

public:
    static constexpr int FirstCode = 32;
    static constexpr int LastCode = 255;
    static constexpr int Columns = 15;
    static constexpr int GlyphPixels = 24;
    static constexpr int RowPixels = 26;

    // families as SymbolFontFamilies gives them; an empty list leaves
    // nothing to choose.
    explicit TSuperTextGetSymbol(const QStringList &families, QWidget *parent = nullptr);

    // The character chosen (empty when none) and the font it is in.
    QString Symbol() const;
    QString FontName() const;

    QComboBox *SymbolSets;
    QListWidget *SymbolList;
    QPushButton *OKButton;
    QPushButton *CancelButton;

private:
    void FontChosen(int index);
    void Confirm();
};

// What the selector gave: one character and the font it is in.
struct TSymbolChoice
{
    QString Symbol;
    QString FontName;
};

// Runs the selector over families through the modal-dialog seam, centred by
// center when given. With no font to offer it tells "No Symbol fonts
// installed" and gives nothing, as it does on Cancel.
std::optional<TSymbolChoice> AskSymbol(QWidget *parent, const QStringList &families,
                                       const std::function<void(QWidget &)> &center);
