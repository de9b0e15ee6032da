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
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int toolBarHeight = 26;
constexpr int toolRowHeight = 33;
constexpr int buttonTop = 4;
constexpr int buttonHeight = 22;

QAction *AddItem(QMenu *menu, const QString &name, const QString &caption,
                 const QKeySequence &shortcut = {})
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    return item;
}

QAction *AddSeparator(QMenu *menu, const QString &name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

QMenu *AddMenu(QMenuBar *bar, const QString &name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

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

void TCalendarMain::CreateMenus()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(u"MainMenu1"_s);

    FileMenu = AddMenu(MainMenu1, u"FileMenu"_s, u"&File"_s);
    New1 = AddItem(FileMenu, u"New1"_s, u"&New "_s);
    Open1 = AddItem(FileMenu, u"Open1"_s, u"&Open"_s);
    N3 = AddSeparator(FileMenu, u"N3"_s);
    mnuSave = AddItem(FileMenu, u"mnuSave"_s, u"&Save "_s, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveAs = AddItem(FileMenu, u"mnuSaveAs"_s, u"Save &As..."_s);
    mnuSaveAsBitmap = AddItem(FileMenu, u"mnuSaveAsBitmap"_s, u"Save As Bitmap File"_s);
    mnuSaveAsJPG = AddItem(FileMenu, u"mnuSaveAsJPG"_s, u"Save As JPG File"_s);
    mnuSaveAsPDF = AddItem(FileMenu, u"mnuSaveAsPDF"_s, u"Save As PDF File"_s);
    N1 = AddSeparator(FileMenu, u"N1"_s);
    mnuProperties = AddItem(FileMenu, u"mnuProperties"_s, u"&Properties"_s);
    mnuUserTitle = AddItem(FileMenu, u"mnuUserTitle"_s, u"User Defined Title"_s);
    mnuCancelChanges = AddItem(FileMenu, u"mnuCancelChanges"_s, u"&Cancel Changes"_s);
    mnuClearAllCellContents =
        AddItem(FileMenu, u"mnuClearAllCellContents"_s, u"Clear &All Cell Contents"_s);
    DefaultEditorFont1 = AddItem(FileMenu, u"DefaultEditorFont1"_s, u"&Default Editor Font"_s);
    N7 = AddSeparator(FileMenu, u"N7"_s);
    mnuFillCalendarwithRecurringDates = AddItem(FileMenu, u"mnuFillCalendarwithRecurringDates"_s,
                                                u"Fill Calendar with Recurring Dates"_s);
    mnuEditrecurringDates =
        AddItem(FileMenu, u"mnuEditrecurringDates"_s, u"Edit Recurring Dates"_s);
    N5 = AddSeparator(FileMenu, u"N5"_s);
    mnuPrintCalendar = AddItem(FileMenu, u"mnuPrintCalendar"_s, u"P&rint Calendar"_s);
    mnuPrintSetup = AddItem(FileMenu, u"mnuPrintSetup"_s, u"Print Set&up"_s);
    N2 = AddSeparator(FileMenu, u"N2"_s);
    Exit1 = AddItem(FileMenu, u"Exit1"_s, u"E&xit"_s);

    mnuOnLine = AddMenu(MainMenu1, u"mnuOnLine"_s, u"&Online"_s);
    VisitOurInternetW1 =
        AddItem(mnuOnLine, u"VisitOurInternetW1"_s, u"Visit Our Internet Website"_s);

    Help1 = AddMenu(MainMenu1, u"Help1"_s, u"&Help"_s);
    Contents1 = AddItem(Help1, u"Contents1"_s, u"&Contents"_s);
    About1 = AddItem(Help1, u"About1"_s, u"&About"_s);
    mnuShowHint = AddItem(Help1, u"mnuShowHint"_s, u"&Show Hints"_s);
    mnuShowHint->setCheckable(true);
    mnuShowHint->setChecked(true);
}

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

    ZoomPlusButton = GlyphButton(Panel3, u"ZoomPlusButton"_s, 5, u"Zoom In"_s, zoomIn);
    ZoomMinusButton = GlyphButton(Panel3, u"ZoomMinusButton"_s, 32, u"Zoom Out"_s, zoomOut);
    PropertiesButton = GlyphButton(Panel3, u"PropertiesButton"_s, 77,
                                   u"Set/change Properties for the calendar"_s, properties);
    Printbutton = GlyphButton(Panel3, u"Printbutton"_s, 104, u"Print the calendar"_s, print);
    ShowHideIconTool = PlaceButton<QToolButton>(Panel3, u"ShowHideIconTool"_s, 135, 96, {});
    ShowHideIconTool->setText(u"Show Icon Tool"_s);

    const struct
    {
        TToolSpeedButton *&button;
        QString name;
        int left;
        QString hint;
        TToolGlyph glyph;
        TLPanelState state;
    } tools[] = {
        {Pointerbutton, u"Pointerbutton"_s, 239, u"Selection tool"_s, TToolGlyph::Pointer,
         psPointing},
        {DrawLabelButton, u"DrawLabelButton"_s, 261, u"Label tool"_s, TToolGlyph::Label, psLabel},
        {DrawImageButton, u"DrawImageButton"_s, 283, u"Clip Art Tool"_s, TToolGlyph::Image,
         psImage},
        {DrawRichText, u"DrawRichText"_s, 305, u"Rich Text tool \rMixed fonts, colors and styles"_s,
         TToolGlyph::RichText, psRichLabel},
        {DrawSuperText, u"DrawSuperText"_s, 327,
         u"SuperText tool \rSpecial Effects Text - fill with gradients or bitmaps"_s,
         TToolGlyph::SuperText, psSuperText},
        {PSpeedButton1, u"PSpeedButton1"_s, 349,
         u"Floating Calendar tool \rMini Calendar that you can place anywhere"_s,
         TToolGlyph::FloatingCalendar, psFlatCalendar},
    };
    ToolButtons = new QButtonGroup(this);
    ToolButtons->setObjectName(u"ToolButtons"_s);
    ToolButtons->setExclusive(true);
    for (const auto &tool : tools) {
        tool.button = PlaceButton<TToolSpeedButton>(Panel3, tool.name, tool.left, 22, tool.hint);
        tool.button->setIcon(ToolIcon(tool.glyph));
        ToolButtons->addButton(tool.button, int(tool.state));
    }
    Pointerbutton->setChecked(true);

    const QStyle *look = style();
    UndoButton = GlyphButton(Panel3, u"UndoButton"_s, 378, u"Undo"_s,
                             look->standardIcon(QStyle::SP_ArrowBack));
    RedoButton = GlyphButton(Panel3, u"RedoButton"_s, 403, u"Redo"_s,
                             look->standardIcon(QStyle::SP_ArrowForward));

    Savebutton = TextButton(Panel3, u"Savebutton"_s, 488, 51, u"&Save"_s,
                            u"Save changes to the calendar"_s, QColor(0, 128, 0));
    CancelButton = TextButton(Panel3, u"CancelButton"_s, 541, 51, u"&Cancel"_s,
                              u"Cancel all changes"_s, QColor(255, 0, 0));

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
