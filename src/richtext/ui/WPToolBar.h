#pragma once

#include "Color.h"

#include <QPointer>
#include <QStringList>
#include <QToolBar>

#include <array>

class QAction;
class QComboBox;
class TFontNameList;
class TWPRichText;

// The buttons of the toolbar, in the order they are shown.
enum class TWPToolButton { Bold, Italic, Underline, Left, Right, Center, Copy, Cut, Paste, SelAll };

// The formatting toolbar of a rich-text editor: font name, size and colour
// lists, bold, italic and underline, left, right and centre alignment, and
// copy, cut, paste and select all. It shows the attributes at the linked
// editor's caret and applies its controls to the editor's selection or
// current attributes. Its controls work only while it is linked to an editor
// and enabled.
class TWPToolBar : public QToolBar
{
    Q_OBJECT

public:
    static constexpr int FontSizeFrom = 8;

    explicit TWPToolBar(QWidget *parent = nullptr);

    TWPRichText *Editor() const { return m_editor; }
    // Links the toolbar to editor (one at a time; null unlinks).
    void SetEditor(TWPRichText *editor);

    // Tool tips from "key=text" entries: WPI_Bold, WPI_Italic, WPI_Under,
    // WPI_Left, WPI_Right, WPI_Center, WPI_Copy, WPI_Cut, WPI_Paste,
    // WPI_SelAll, WPI_FontName, WPI_FontSize and WPI_FontColor. Entries with
    // other keys are ignored.
    void SetHints(const QStringList &hints);

    QAction *Button(TWPToolButton button) const { return m_buttons[size_t(button)]; }
    QComboBox *FontNameList() const;
    QComboBox *FontSizeList() const { return m_fontSize; }
    QComboBox *FontColorList() const { return m_fontColor; }

private:
    void AddButton(TWPToolButton button, const QString &themeIcon, const QIcon &fallback,
                   bool checkable);
    void ConnectButtons();
    void ShowAttributes();
    void ShowPalette(const std::array<TColor, 16> &palette);
    void UpdateEnabled();
    void ApplyFontName(const QString &name);
    void ApplyFontSize(const QString &size);
    void ApplyColor(int index);
    void ApplyStyle(TWPToolButton button, bool on);

    QPointer<TWPRichText> m_editor;
    TFontNameList *m_fontName;
    QComboBox *m_fontSize;
    QComboBox *m_fontColor;
    std::array<QAction *, 10> m_buttons{};
    std::array<TColor, 16> m_shownPalette{};
};
