#include "WPToolBar.h"

#include "FontNameList.h"
#include "WPRichText.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>

#include <functional>

namespace {

constexpr int ToolBarHeight = 26;
constexpr int IconSize = 16;
constexpr int FontSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

const char *const ButtonHintKeys[] = {"WPI_Bold",  "WPI_Italic", "WPI_Under", "WPI_Left",
                                      "WPI_Right", "WPI_Center", "WPI_Copy",  "WPI_Cut",
                                      "WPI_Paste", "WPI_SelAll"};

// An icon drawn by draw on a transparent square, for desktops without an
// icon theme.
QIcon DrawnIcon(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    draw(painter);
    return QIcon(pixmap);
}

// The letters B, I and U drawn as strokes rather than set in a font, so the
// tool bar loads no faces of its own before the first page shows.
QPainterPath StyleLetter(TWPToolButton button)
{
    QPainterPath letter;
    switch (button) {
    case TWPToolButton::Bold:
        letter.moveTo(4, 2.5);
        letter.lineTo(4, 13.5);
        letter.moveTo(4, 2.5);
        letter.lineTo(8.5, 2.5);
        letter.arcTo(QRectF(6, 2.5, 5, 5), 90, -180);
        letter.lineTo(4, 7.5);
        letter.moveTo(4, 7.5);
        letter.lineTo(9.5, 7.5);
        letter.arcTo(QRectF(6.5, 7.5, 6, 6), 90, -180);
        letter.lineTo(4, 13.5);
        break;
    case TWPToolButton::Italic:
        letter.moveTo(7.5, 2.5);
        letter.lineTo(11.5, 2.5);
        letter.moveTo(9.5, 2.5);
        letter.lineTo(6.5, 13.5);
        letter.moveTo(4.5, 13.5);
        letter.lineTo(8.5, 13.5);
        break;
    default:
        letter.moveTo(4.5, 2);
        letter.lineTo(4.5, 8.5);
        letter.arcTo(QRectF(4.5, 5, 7, 7), 180, 180);
        letter.lineTo(11.5, 2);
        letter.moveTo(3, 14.5);
        letter.lineTo(13, 14.5);
        break;
    }
    return letter;
}

QIcon StyleIcon(TWPToolButton button)
{
    return DrawnIcon([button](QPainter &painter) {
        const double weight = button == TWPToolButton::Bold ? 2.2 : 1.4;
        painter.setPen(QPen(Qt::black, weight, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.drawPath(StyleLetter(button));
    });
}

// Four lines of text of different lengths set as alignment sets them.
QIcon AlignmentIcon(Qt::Alignment alignment)
{
    return DrawnIcon([alignment](QPainter &painter) {
        const int lengths[] = {14, 9, 12, 7};
        for (int row = 0; row < 4; ++row) {
            const int length = lengths[row];
            const int left = alignment & Qt::AlignRight     ? 15 - length
                             : alignment & Qt::AlignHCenter ? (16 - length) / 2
                                                            : 1;
            painter.drawLine(QPointF(left, 2.5 + row * 3.5),
                             QPointF(left + length, 2.5 + row * 3.5));
        }
    });
}

QIcon EditIcon(TWPToolButton button)
{
    return DrawnIcon([button](QPainter &painter) {
        painter.setBrush(Qt::white);
        switch (button) {
        case TWPToolButton::Copy:
            painter.drawRect(QRectF(1.5, 1.5, 8, 10));
            painter.drawRect(QRectF(6.5, 4.5, 8, 10));
            break;
        case TWPToolButton::Cut:
            painter.drawLine(QPointF(4, 1), QPointF(11, 11));
            painter.drawLine(QPointF(12, 1), QPointF(5, 11));
            painter.drawEllipse(QPointF(4, 13), 2.5, 2.5);
            painter.drawEllipse(QPointF(12, 13), 2.5, 2.5);
            break;
        case TWPToolButton::Paste:
            painter.drawRect(QRectF(2.5, 2.5, 11, 12));
            painter.setBrush(Qt::gray);
            painter.drawRect(QRectF(5.5, 1, 5, 3));
            break;
        default:
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawRect(QRectF(1.5, 1.5, 13, 13));
            break;
        }
    });
}

QIcon SwatchIcon(TColor color)
{
    QPixmap pixmap(24, 12);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

} // namespace

TWPToolBar::TWPToolBar(QWidget *parent)
    : QToolBar(parent), m_fontName(new TFontNameList(this)), m_fontSize(new QComboBox(this)),
      m_fontColor(new QComboBox(this))
{
    setFixedHeight(ToolBarHeight);
    setIconSize(QSize(IconSize, IconSize));
    setMovable(false);

    for (int size : FontSizes) {
        if (size >= FontSizeFrom)
            m_fontSize->addItem(QString::number(size));
    }
    m_fontSize->setEditable(true);
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    m_fontSize->setValidator(new QIntValidator(1, 1638, m_fontSize));
    m_fontColor->setIconSize(QSize(24, 12));
    ShowPalette(TWPRTFTextPaint::DefaultPalette());
    addWidget(m_fontName);
    addWidget(m_fontSize);
    addWidget(m_fontColor);
    addSeparator();

    AddButton(TWPToolButton::Bold, QStringLiteral("format-text-bold"),
              StyleIcon(TWPToolButton::Bold), true);
    AddButton(TWPToolButton::Italic, QStringLiteral("format-text-italic"),
              StyleIcon(TWPToolButton::Italic), true);
    AddButton(TWPToolButton::Underline, QStringLiteral("format-text-underline"),
              StyleIcon(TWPToolButton::Underline), true);
    addSeparator();
    AddButton(TWPToolButton::Left, QStringLiteral("format-justify-left"),
              AlignmentIcon(Qt::AlignLeft), true);
    AddButton(TWPToolButton::Right, QStringLiteral("format-justify-right"),
              AlignmentIcon(Qt::AlignRight), true);
    AddButton(TWPToolButton::Center, QStringLiteral("format-justify-center"),
              AlignmentIcon(Qt::AlignHCenter), true);
    addSeparator();
    AddButton(TWPToolButton::Copy, QStringLiteral("edit-copy"), EditIcon(TWPToolButton::Copy),
              false);
    AddButton(TWPToolButton::Cut, QStringLiteral("edit-cut"), EditIcon(TWPToolButton::Cut), false);
    AddButton(TWPToolButton::Paste, QStringLiteral("edit-paste"), EditIcon(TWPToolButton::Paste),
              false);
    AddButton(TWPToolButton::SelAll, QStringLiteral("edit-select-all"),
              EditIcon(TWPToolButton::SelAll), false);

    auto *alignments = new QActionGroup(this);
    alignments->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (TWPToolButton button : {TWPToolButton::Left, TWPToolButton::Right, TWPToolButton::Center})
        alignments->addAction(Button(button));

    ConnectButtons();
    UpdateEnabled();
}

void TWPToolBar::SetEditor(TWPRichText *editor)
{
    if (m_editor == editor)
        return;
    TWPRichText *previous = m_editor;
    if (previous)
        previous->disconnect(this);
    m_editor = editor;
    if (previous && previous->WPToolBar() == this)
        previous->SetWPToolBar(nullptr);
    if (editor) {
        editor->SetWPToolBar(this);
        connect(editor, &TWPRichText::CaretChanged, this, &TWPToolBar::ShowAttributes);
        // A widget announces its end before its guards are cleared.
        connect(editor, &QObject::destroyed, this, [this] {
            m_editor = nullptr;
            UpdateEnabled();
        });
    }
    UpdateEnabled();
    ShowAttributes();
}

void TWPToolBar::SetHints(const QStringList &hints)
{
    for (const QString &hint : hints) {
        const qsizetype equals = hint.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = hint.left(equals);
        const QString text = hint.mid(equals + 1);
        for (size_t index = 0; index < m_buttons.size(); ++index) {
            if (key == QLatin1String(ButtonHintKeys[index]))
                m_buttons[index]->setToolTip(text);
        }
        if (key == QLatin1String("WPI_FontName"))
            m_fontName->setToolTip(text);
        else if (key == QLatin1String("WPI_FontSize"))
            m_fontSize->setToolTip(text);
        else if (key == QLatin1String("WPI_FontColor"))
            m_fontColor->setToolTip(text);
    }
}

void TWPToolBar::AddButton(TWPToolButton button, const QString &themeIcon, const QIcon &fallback,
                           bool checkable)
{
    QAction *action = addAction(QIcon::fromTheme(themeIcon, fallback), QString());
    action->setCheckable(checkable);
    m_buttons[size_t(button)] = action;
}

void TWPToolBar::ConnectButtons()
{
    connect(m_fontName, &QComboBox::textActivated, this, &TWPToolBar::ApplyFontName);
    connect(m_fontSize, &QComboBox::textActivated, this, &TWPToolBar::ApplyFontSize);
    connect(m_fontSize->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        // Sizes in the list arrive through textActivated as well.
        if (m_fontSize->findText(m_fontSize->currentText()) < 0)
            ApplyFontSize(m_fontSize->currentText());
    });
    connect(m_fontColor, &QComboBox::activated, this, &TWPToolBar::ApplyColor);
    for (TWPToolButton button :
         {TWPToolButton::Bold, TWPToolButton::Italic, TWPToolButton::Underline}) {
        connect(Button(button), &QAction::triggered, this,
                [this, button](bool on) { ApplyStyle(button, on); });
    }
    const std::pair<TWPToolButton, TWPAlignment> alignments[] = {
        {TWPToolButton::Left, TWPAlignment::Left},
        {TWPToolButton::Right, TWPAlignment::Right},
        {TWPToolButton::Center, TWPAlignment::Center},
    };
    for (const auto &[button, alignment] : alignments) {
        connect(Button(button), &QAction::triggered, this, [this, alignment = alignment] {
            if (m_editor)
                m_editor->SetAlignment(alignment);
        });
    }
    const std::pair<TWPToolButton, void (TWPRichText::*)()> edits[] = {
        {TWPToolButton::Copy, &TWPRichText::Copy},
        {TWPToolButton::Cut, &TWPRichText::Cut},
        {TWPToolButton::Paste, &TWPRichText::Paste},
        {TWPToolButton::SelAll, &TWPRichText::SelectAll},
    };
    for (const auto &[button, edit] : edits) {
        connect(Button(button), &QAction::triggered, this, [this, edit = edit] {
            if (m_editor)
                (m_editor->*edit)();
        });
    }
}

QComboBox *TWPToolBar::FontNameList() const
{
    return m_fontName;
}

void TWPToolBar::ShowAttributes()
{
    if (!m_editor)
        return;
    const TWPRTFTextPaint &document = m_editor->RtfText();
    const TWPCharAttr attr = m_editor->CurrentAttributes();
    ShowPalette(document.Palette());
    {
        const QSignalBlocker nameBlocker(m_fontName);
        const QSignalBlocker sizeBlocker(m_fontSize);
        const QSignalBlocker colorBlocker(m_fontColor);
        m_fontName->setCurrentText(document.Fonts().value(attr.Font).Name);
        m_fontSize->setCurrentText(QString::number(attr.Size));
        m_fontColor->setCurrentIndex(attr.Color);
    }
    Button(TWPToolButton::Bold)->setChecked(attr.Style & wpsBold);
    Button(TWPToolButton::Italic)->setChecked(attr.Style & wpsItalic);
    Button(TWPToolButton::Underline)->setChecked(attr.Style & wpsUnderline);
    const TWPAlignment alignment = m_editor->Alignment();
    Button(TWPToolButton::Left)->setChecked(alignment == TWPAlignment::Left);
    Button(TWPToolButton::Right)->setChecked(alignment == TWPAlignment::Right);
    Button(TWPToolButton::Center)->setChecked(alignment == TWPAlignment::Center);
}

void TWPToolBar::ShowPalette(const std::array<TColor, 16> &palette)
{
    if (palette == m_shownPalette && m_fontColor->count() == int(palette.size()))
        return;
    m_shownPalette = palette;
    const QSignalBlocker blocker(m_fontColor);
    const int current = m_fontColor->currentIndex();
    m_fontColor->clear();
    for (TColor color : palette)
        m_fontColor->addItem(SwatchIcon(color), QString());
    m_fontColor->setCurrentIndex(current);
}

void TWPToolBar::UpdateEnabled()
{
    const bool linked = !m_editor.isNull();
    m_fontName->setEnabled(linked);
    m_fontSize->setEnabled(linked);
    m_fontColor->setEnabled(linked);
    for (QAction *action : m_buttons)
        action->setEnabled(linked);
}

void TWPToolBar::ApplyFontName(const QString &name)
{
    if (m_editor && !name.isEmpty())
        m_editor->ApplyAttributes({.Font = m_editor->FontIndexOf(name)}, TWPCharAttrPart::Font);
}

void TWPToolBar::ApplyFontSize(const QString &size)
{
    bool ok = false;
    const int points = size.toInt(&ok);
    if (m_editor && ok && points > 0)
        m_editor->ApplyAttributes({.Size = points}, TWPCharAttrPart::Size);
}

void TWPToolBar::ApplyColor(int index)
{
    if (m_editor && index >= 0)
        m_editor->ApplyAttributes({.Color = index}, TWPCharAttrPart::Color);
}

void TWPToolBar::ApplyStyle(TWPToolButton button, bool on)
{
    if (!m_editor)
        return;
    const TWPCharStyle style = button == TWPToolButton::Bold     ? wpsBold
                               : button == TWPToolButton::Italic ? wpsItalic
                                                                 : wpsUnderline;
    m_editor->ApplyAttributes({.Style = on ? int(style) : 0}, PartOfStyle(style));
}
