#include "FloatingPalette.h"

#include "FileNamePrompt.h"
#include "IconLibraries.h"
#include "IconListBox.h"
#include "Messages.h"
#include "ProgramFolder.h"
#include "WindowPlacement.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int clientSide = 140;
constexpr int listBorder = 4;
// The list box's frame, on either side.
constexpr int listFrame = 1;
// What a window manager's title bar puts beside a title, in title-bar
// heights: the window's icon and its buttons, on both sides of a centred
// title.
constexpr int titleBarButtons = 6;
// The property of a menu item holding its caption as the user sees it.
const char *const captionProperty = "libraryCaption";

QString IconFileFilter()
{
    return TFloatingPalette::tr(
        "All Files (*.ICL *.DLL *.EXE *.ICO *.NIL *.icl *.dll *.exe *.ico *.nil);;"
        "ICL Files (*.ICL *.icl);;DLL Files (*.DLL *.dll);;"
        "EXE Files (*.EXE *.exe);;ICO Files (*.ICO *.ico);;"
        "NIL Files (*.NIL *.nil);;"
        "ICL and ICO Files (*.ICL *.ICO *.icl *.ico)");
}

QString NoBonusSetsText()
{
    return TFloatingPalette::tr(
        "No Bonus Sets Found!\r\n\r\nThe bonus icon sets were not found in the "
        "\"BonusIcons\" folder beside the program. They are obtained separately.");
}

QString AskIconCollection(QWidget *parent)
{
    const QString filter = IconFileFilter();
    QFileDialog dialog(parent, QString(), ProgramFolder(), filter);
    dialog.setObjectName(u"OpenIconCollectionDialog"_s);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(u"ICL"_s);
    dialog.selectNameFilter(filter.split(u";;"_s).last());
    return AskFileName(dialog);
}

QString EscapedCaption(QString caption)
{
    return caption.replace(u'&', u"&&"_s);
}

// The columns of icons the palette shows: whole ones, at least columns of
// them, and enough for the window's title not to be cut short.
int ShownColumns(const QWidget &palette, int columns)
{
    QFont titleFont = palette.font();
    titleFont.setBold(true);
    const int title = QFontMetrics(titleFont).horizontalAdvance(palette.windowTitle()) +
                      titleBarButtons * palette.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int room = title - 2 * (listBorder + listFrame);
    return std::max(columns,
                    (room + TIconListBox::ColumnWidth() - 1) / TIconListBox::ColumnWidth());
}

} // namespace

TFloatingPalette::TFloatingPalette(QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      IconList(new TIconListBox(this))
{
    setObjectName(u"FloatingPalette"_s);
    setWindowTitle(tr("Icons"));
    CreateMenus();
    IconList->setObjectName(u"IconList"_s);
    IconList->SetXIcons(3);
    IconList->SetYIcons(3);
    QPalette white = IconList->palette();
    white.setColor(QPalette::Base, Qt::white);
    IconList->setPalette(white);
    IconList->setEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(MainMenu);
    layout->setContentsMargins(listBorder, listBorder, listBorder, listBorder);
    layout->addWidget(IconList);
    // Whole columns of icons, none cut at the edge, under the whole title.
    const int listWidth =
        ShownColumns(*this, IconList->XIcons()) * TIconListBox::ColumnWidth() + 2 * listFrame;
    IconList->setFixedWidth(listWidth);
    setFixedSize(listWidth + 2 * listBorder, clientSide + MainMenu->sizeHint().height());
    RestorePlacement(*this);
    ShowLibrary(IconLibraryPath(IconLibraryItems().first().FileName));
}

TFloatingPalette::~TFloatingPalette()
{
    SavePlacement(*this);
}

void TFloatingPalette::CreateMenus()
{
    MainMenu = new QMenuBar(this);
    FileMenu = MainMenu->addMenu(tr("File"));
    QList<QAction **> items = {&mnuActivities, &mnuEvents, &mnuHolidays, &mnuMisc1, &mnuMisc2};
    for (qsizetype i = 0; i < items.size(); ++i) {
        const TIconLibraryItem &library = IconLibraryItems()[i];
        QAction *action = FileMenu->addAction(tr(library.Caption.toUtf8().constData()));
        action->setCheckable(true);
        action->setProperty(captionProperty, library.Caption);
        connect(action, &QAction::triggered, this,
                [this, library] { LibraryClick(library.FileName); });
        *items[i] = action;
    }
    FillBonusSets();
    mnuOther = FileMenu->addAction(tr("Other..."));
    mnuOther->setCheckable(true);
    connect(mnuOther, &QAction::triggered, this, &TFloatingPalette::OtherClick);
}

void TFloatingPalette::FillBonusSets()
{
    const QString title = tr("Bonus Icon Sets");
    BonusIconSets = new QMenu(title, this);
    const QStringList captions = BonusSetCaptions(ProgramFolder());
    if (captions.isEmpty()) {
        // Without sets the item is a command of its own, which says so.
        mnuBonusIconSets = FileMenu->addAction(title);
        connect(mnuBonusIconSets, &QAction::triggered, this, &TFloatingPalette::BonusIconSetsClick);
        return;
    }
    mnuBonusIconSets = FileMenu->addMenu(BonusIconSets);
    for (const QString &caption : captions) {
        QAction *action = BonusIconSets->addAction(EscapedCaption(caption));
        action->setCheckable(true);
        action->setProperty(captionProperty, caption);
        connect(action, &QAction::triggered, this, [this, caption] { BonusSetClick(caption); });
    }
}

QList<QAction *> TFloatingPalette::LibraryActions() const
{
    QList<QAction *> actions = {mnuActivities, mnuEvents, mnuHolidays, mnuMisc1, mnuMisc2};
    actions.append(BonusIconSets->actions());
    return actions;
}

QString TFloatingPalette::LibraryFileName() const
{
    return IconList->FileName();
}

void TFloatingPalette::ShowLibrary(const QString &fileName)
{
    ShowOnly(fileName);
    const QString fallback = IconLibraryPath(FallbackIconLibrary);
    // The fallback is not taken again for itself: an empty "Misc1.icl"
    // leaves the palette empty.
    if (IconList->count() == 0 && fileName != fallback)
        ShowOnly(fallback);
}

void TFloatingPalette::ShowOnly(const QString &fileName)
{
    const QString existing = ExistingFileNoCase(fileName);
    IconList->SetFileName(existing);
    UpdateChecks(existing);
}

void TFloatingPalette::UpdateChecks(const QString &fileName)
{
    const QString key = LibraryCheckKey(fileName);
    bool matched = false;
    for (QAction *action : LibraryActions()) {
        const bool match = action->property(captionProperty).toString().toUpper() == key;
        action->setChecked(match);
        matched |= match;
    }
    mnuOther->setChecked(!matched && QFileInfo::exists(fileName));
}

void TFloatingPalette::LibraryClick(const QString &fileName)
{
    ShowLibrary(IconLibraryPath(fileName));
}

void TFloatingPalette::BonusSetClick(const QString &caption)
{
    ShowLibrary(BonusSetPath(ProgramFolder(), caption));
}

void TFloatingPalette::BonusIconSetsClick()
{
    ShowInformation(NoBonusSetsText());
}

void TFloatingPalette::OtherClick()
{
    QString chosen = AskIconCollection(this);
    if (chosen.isEmpty()) {
        UpdateChecks(LibraryFileName());
        return;
    }
    IconList->SetFileName(chosen);
    while (IconList->count() == 0) {
        ShowInformation(tr("No icons found in %1").arg(chosen));
        chosen = AskIconCollection(this);
        if (chosen.isEmpty())
            break;
        IconList->SetFileName(chosen);
    }
    ShowLibrary(IconList->count() == 0 ? IconLibraryPath(FallbackIconLibrary)
                                       : IconList->FileName());
}

void TFloatingPalette::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    emit Hidden();
}
