#include "SuperTextGetSymbol.h"

#include "Messages.h"
#include "ModalDialog.h"
#include "Windows1252.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int CellPixels = 26;

} // namespace

QStringList SymbolFontFamilies()
{
    QStringList families;
    for (const QString &family : QFontDatabase::families(QFontDatabase::Symbol)) {
        if (QFontDatabase::isScalable(family))
            families << family;
    }
    families.sort(Qt::CaseInsensitive);
    return families;
}

int PreferredSymbolFont(const QStringList &families)
{
    const auto wingding = std::find_if(families.begin(), families.end(), [](const QString &name) {
        return name.toUpper().contains(u"WINGDING"_s);
    });
    if (wingding != families.end())
        return int(wingding - families.begin());
    return families.isEmpty() ? -1 : 0;
}

TSuperTextGetSymbol::TSuperTextGetSymbol(const QStringList &families, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"SuperTextGetSymbol"_s);
    setWindowTitle(tr("Symbol Selector"));
    const int listWidth = Columns * CellPixels + 24;
    const int rows = (LastCode - FirstCode + Columns) / Columns;
    setFixedSize(listWidth + 32, rows * RowPixels + 110);

    SymbolSets = new QComboBox(this);
    SymbolSets->setObjectName(u"SymbolSets"_s);
    SymbolSets->setToolTip(tr("Select a symbol font set"));
    SymbolSets->setGeometry(16, 16, 240, SymbolSets->sizeHint().height());
    SymbolSets->addItems(families);

    SymbolList = new QListWidget(this);
    SymbolList->setObjectName(u"SymbolList"_s);
    SymbolList->setFlow(QListView::LeftToRight);
    SymbolList->setWrapping(true);
    SymbolList->setUniformItemSizes(true);
    SymbolList->setGridSize(QSize(CellPixels, RowPixels));
    SymbolList->setGeometry(16, 50, listWidth, rows * RowPixels + 8);
    for (int code = FirstCode; code <= LastCode; ++code) {
        auto *item = new QListWidgetItem(FromWindows1252(QByteArray(1, char(code))), SymbolList);
        item->setTextAlignment(Qt::AlignCenter);
        item->setSizeHint(QSize(CellPixels, RowPixels));
    }
    SymbolList->setCurrentRow(0);
    connect(SymbolList, &QListWidget::itemDoubleClicked, this, &TSuperTextGetSymbol::Confirm);

    OKButton = new QPushButton(tr("Ok"), this);
    OKButton->setObjectName(u"OKButton"_s);
    OKButton->setToolTip(tr("Copy the selected symbol to the label"));
    OKButton->setDefault(true);
    OKButton->setGeometry(width() - 182, height() - 40, 75, 25);
    connect(OKButton, &QPushButton::clicked, this, &TSuperTextGetSymbol::Confirm);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(u"Cancelbutton"_s);
    CancelButton->setGeometry(width() - 99, height() - 40, 75, 25);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    connect(SymbolSets, &QComboBox::currentIndexChanged, this, &TSuperTextGetSymbol::FontChosen);
    SymbolSets->setCurrentIndex(PreferredSymbolFont(families));
    FontChosen(SymbolSets->currentIndex());
}

void TSuperTextGetSymbol::FontChosen(int index)
{
    if (index < 0)
        return;
    QFont font(SymbolSets->itemText(index));
    font.setPixelSize(GlyphPixels);
    SymbolList->setFont(font);
}

void TSuperTextGetSymbol::Confirm()
{
    if (SymbolList->currentItem() || SymbolSets->currentIndex() >= 0)
        accept();
}

QString TSuperTextGetSymbol::Symbol() const
{
    const QListWidgetItem *item = SymbolList->currentItem();
    return item ? item->text() : QString();
}

QString TSuperTextGetSymbol::FontName() const
{
    return SymbolSets->currentText();
}

std::optional<TSymbolChoice> AskSymbol(QWidget *parent, const QStringList &families,
                                       const std::function<void(QWidget &)> &center)
{
    if (families.isEmpty()) {
        ShowInformation(TSuperTextGetSymbol::tr("No Symbol fonts installed"));
        return std::nullopt;
    }
    TSuperTextGetSymbol dialog(families, parent);
    if (center)
        center(dialog);
    if (ExecModal(dialog) != QDialog::Accepted || dialog.Symbol().isEmpty())
        return std::nullopt;
    return TSymbolChoice{dialog.Symbol(), dialog.FontName()};
}
