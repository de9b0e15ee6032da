// The components of the main window: menus, toolbars, tool row and page area.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "EditorObjectLayer.h"
#include "ToolGlyphs.h"
#include "ToolSpeedButton.h"
#include "WPRichText.h"
#include "WPToolBar.h"

#include <QButtonGroup>
#include <QLabel>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int toolBarHeight = 26;
constexpr int toolRowHeight = 33;
constexpr int buttonTop = 4;
constexpr int buttonHeight = 22;
// The room on either side of a tool button's caption.
constexpr int iconToolPadding = 12;

// A hint's "\r" is a line break inside the tool tip.
QString HintText(QString hint)
{
    return hint.replace(u'\r', u'\n');
}

template <typename Button>
Button *PlaceButton(QWidget *row, const QString &name, int left, int width, const QString &hint)
{
    auto *button = new Button(row);
    button->setObjectName(name);
    button->setGeometry(left, buttonTop, width, buttonHeight);
    button->setToolTip(HintText(hint));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QToolButton *GlyphButton(QWidget *row, const QString &name, int left, const QString &hint,
                         const QIcon &icon)
{
    QToolButton *button = PlaceButton<QToolButton>(row, name, left, 24, hint);
    button->setIcon(icon);
    return button;
}

QToolButton *TextButton(QWidget *row, const QString &name, int left, int width,
                        const QString &caption, const QString &hint, const QColor &color)
{
    QToolButton *button = PlaceButton<QToolButton>(row, name, left, width, hint);
    button->setText(caption);
    QFont font(u"Arial"_s);
    font.setPixelSize(11);
    font.setBold(true);
    button->setFont(font);
    QPalette colored = button->palette();
    colored.setColor(QPalette::ButtonText, color);
    button->setPalette(colored);
    button->setAutoRaise(false);
    button->hide();
    return button;
}

} // namespace

void TCalendarMain::CreateToolRow()
{
    // The row's icons are looked up first: the first look-up reads the
    // desktop's icon theme, and before anything measures text that overlaps
    // the font database filling on the start-up thread (TStartupWarmUp).
    const QIcon zoomIn = ToolIcon(TToolGlyph::ZoomIn);
    const QIcon zoomOut = ToolIcon(TToolGlyph::ZoomOut);
    const QIcon properties = ToolIcon(TToolGlyph::Properties);
    const QIcon print = ToolIcon(TToolGlyph::Print);

    WPToolBar1 = new TWPToolBar(this);
    WPToolBar1->setObjectName(u"WPToolBar1"_s);
    WPToolBar1->setFixedHeight(toolBarHeight);
    WPToolBar1->setEnabled(false);

    Panel3 = new QWidget(this);
    Panel3->setObjectName(u"Panel3"_s);
    Panel3->setFixedHeight(toolRowHeight);

    ZoomPlusButton = GlyphButton(Panel3, u"ZoomPlusButton"_s, 5, tr("Zoom In"), zoomIn);
    ZoomMinusButton = GlyphButton(Panel3, u"ZoomMinusButton"_s, 32, tr("Zoom Out"), zoomOut);
    PropertiesButton = GlyphButton(Panel3, u"PropertiesButton"_s, 77,
                                   tr("Set/change Properties for the calendar"), properties);
    Printbutton = GlyphButton(Panel3, u"Printbutton"_s, 104, tr("Print the calendar"), print);
    ShowHideIconTool = PlaceButton<QToolButton>(Panel3, u"ShowHideIconTool"_s, 135, 96, {});
    ShowHideIconTool->setText(tr("Show Icon Tool"));
    // The button takes the width of the longer of its captions where a
    // language needs more; what follows it on the row moves along.
    const QFontMetrics captions = ShowHideIconTool->fontMetrics();
    const int shift = std::max(std::max(captions.horizontalAdvance(tr("Show Icon Tool")),
                                        captions.horizontalAdvance(tr("Hide Icon Tool"))) +
                                   iconToolPadding - ShowHideIconTool->width(),
                               0);
    ShowHideIconTool->resize(ShowHideIconTool->width() + shift, buttonHeight);

    const struct
    {
        QString name;
        int left;
        QString hint;
        TToolGlyph glyph;
        TLPanelState state;
    } tools[] = {
        {u"Pointerbutton"_s, 239, tr("Selection tool"), TToolGlyph::Pointer, psPointing},
        {u"DrawLabelButton"_s, 261, tr("Label tool"), TToolGlyph::Label, psLabel},
        {u"DrawImageButton"_s, 283, tr("Clip Art Tool"), TToolGlyph::Image, psImage},
        {u"DrawRichText"_s, 305, tr("Rich Text tool \rMixed fonts, colors and styles"),
         TToolGlyph::RichText, psRichLabel},
        {u"DrawSuperText"_s, 327,
         tr("SuperText tool \rSpecial Effects Text - fill with gradients or bitmaps"),
         TToolGlyph::SuperText, psSuperText},
        {u"PSpeedButton1"_s, 349,
         tr("Floating Calendar tool \rMini Calendar that you can place anywhere"),
         TToolGlyph::FloatingCalendar, psFlatCalendar},
    };
    ToolButtons = new QButtonGroup(this);
    ToolButtons->setObjectName(u"ToolButtons"_s);
    ToolButtons->setExclusive(true);
    for (const auto &tool : tools) {
        auto *button =
            PlaceButton<TToolSpeedButton>(Panel3, tool.name, tool.left + shift, 22, tool.hint);
        button->setIcon(ToolIcon(tool.glyph));
        ToolButtons->addButton(button, int(tool.state));
    }
    ToolButtons->button(psPointing)->setChecked(true);

    const QStyle *look = style();
    UndoButton = GlyphButton(Panel3, u"UndoButton"_s, 378 + shift, tr("Undo"),
                             look->standardIcon(QStyle::SP_ArrowBack));
    RedoButton = GlyphButton(Panel3, u"RedoButton"_s, 403 + shift, tr("Redo"),
                             look->standardIcon(QStyle::SP_ArrowForward));

    Savebutton = TextButton(Panel3, u"Savebutton"_s, 488 + shift, 51, tr("&Save"),
                            tr("Save changes to the calendar"), QColor(0, 128, 0));
    CancelButton = TextButton(Panel3, u"CancelButton"_s, 541 + shift, 51, tr("&Cancel"),
                              tr("Cancel all changes"), QColor(255, 0, 0));

    MASTERWPRICHTEXT = new TWPRichText(Panel3);
    MASTERWPRICHTEXT->setObjectName(u"MASTERWPRICHTEXT"_s);
    MASTERWPRICHTEXT->SetWantTabs(true);
    MASTERWPRICHTEXT->hide();

    // The cursor is repaired whenever the mouse moves over the row.
    Panel3->setMouseTracking(true);
    for (QWidget *child : Panel3->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        child->setMouseTracking(true);
}

void TCalendarMain::CreatePageArea()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(u"Panel1"_s);
    ScrollBox2 = new QScrollArea(Panel1);
    ScrollBox2->setObjectName(u"ScrollBox2"_s);
    ScrollBox2->setFrameShape(QFrame::NoFrame);
    ScrollBox2->viewport()->setBackgroundRole(QPalette::Button);
    auto *panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(ScrollBox2);

    auto *contents = new QWidget;
    contents->setObjectName(u"ScrollBox2Contents"_s);
    contents->setBackgroundRole(QPalette::Button);
    contents->setAutoFillBackground(true);
    ScrollBox2->setWidget(contents);

    CalendarPanel = new TCalendarPanel32(contents);
    CalendarPanel->setObjectName(u"CalendarPanel"_s);
    CalendarPage = &CalendarPanel->Page();

    WPRichText1 = new TWPRichText(contents);
    WPRichText1->setObjectName(u"WPRichText1"_s);
    WPRichText1->SetColor(clWhite);
    WPRichText1->SetWordWrap(true);
    WPRichText1->SetScrollBars(TScrollStyle::ssNone);
    WPRichText1->SetWantTabs(false);
    QFont editorFont(u"MS Sans Serif"_s);
    editorFont.setPixelSize(11);
    WPRichText1->setFont(editorFont);
    WPRichText1->hide();
    new TEditorObjectLayer(*WPRichText1, *CalendarPanel);

    Panel2 = new QWidget(contents);
    Panel2->setObjectName(u"Panel2"_s);
    SmartImage1 = new QLabel(Panel2);
    SmartImage1->setObjectName(u"SmartImage1"_s);
    Image1 = new QLabel(Panel2);
    Image1->setObjectName(u"Image1"_s);
    Panel2->hide();

    auto *central = new QWidget(this);
    central->setObjectName(u"CalendarMainClient"_s);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(WPToolBar1);
    layout->addWidget(Panel3);
    layout->addWidget(Panel1, 1);
    setCentralWidget(central);
}
