#include "JourneySteps.h"

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "CalendarProperties.h"
#include "EditRecurringDates.h"
#include "GetHolidays.h"
#include "GetLabelText.h"
#include "JourneyUser.h"
#include "LumImageBrowser.h"
#include "MainWindowTestSupport.h"
#include "RecurringRows.h"
#include "RichTextLabelEditor.h"
#include "SelectRecurringDates.h"
#include "SuperTextProperties.h"
#include "ToolSpeedButton.h"
#include "UserTitleForm.h"
#include "WPToolBar.h"

#include <QComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr int PerMille = 1000;

// Page settings of the properties dialog a step may change.
enum TSetting {
    sLayout,
    sOrientation,
    sPaper,
    sMonth,
    sTitleFont,
    sCellFont,
    sLineLayout,
    sHeadersStyle,
    sMargin,
    sBorder,
    sSettingCount
};

const QStringList &Words()
{
    static const QStringList words{u"Dentist"_s, u"Swim 9"_s, u"Happy Holidays"_s, u"Rent"_s,
                                   u"Fair"_s,    u"Ann 40"_s, u"Picnic"_s,         u"Yoga"_s,
                                   u"Trip"_s,    u"Q3 plan"_s};
    return words;
}

QString ActionName(TAction action)
{
    static const char *const names[] = {
        "PlaceObject", "Select",     "SelectArea",    "Move",       "Resize",     "Nudge",
        "PageMenu",    "ObjectMenu", "ClipboardKey",  "TypeInCell", "Fill",       "AddHolidays",
        "Properties",  "Zoom",       "ZoomRoundTrip", "Scroll",     "Undo",       "Redo",
        "Save",        "Reopen",     "New",           "UserTitle",  "ClearCells", "PanPicture"};
    return QString::fromLatin1(names[int(action)]);
}

// Answers a dialog of class Dialog shown on the screen; any other dialog is
// cancelled.
template <typename Dialog> TDialogAnswer Answer(std::function<int(Dialog &)> fill)
{
    return [fill = std::move(fill)](QDialog &dialog) {
        auto *typed = qobject_cast<Dialog *>(&dialog);
        if (!typed)
            return int(QDialog::Rejected);
        ShowDialog(dialog);
        return fill(*typed);
    };
}

int ClickOk(QDialog &dialog)
{
    QAbstractButton *ok = DialogButton(dialog, u"Ok"_s);
    if (!ok)
        ok = DialogButton(dialog, u"okbutton"_s);
    if (!ok) {
        dialog.reject();
        return QDialog::Rejected;
    }
    return ClickToClose(dialog, *ok);
}

// Replaces an edit's text by typing.
void TypeInto(QLineEdit &edit, const QString &text)
{
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&edit, text);
}

void ClickItem(QAbstractItemView &view, const QModelIndex &index,
               Qt::KeyboardModifiers modifiers = {})
{
    view.scrollTo(index);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, view.visualRect(index).center());
}

void StepCombo(QComboBox &combo, int steps)
{
    combo.setFocus();
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(&combo, Qt::Key_Down);
}

// The font dialog answered with the size points, the rest kept.
TDialogAnswer FontOfSize(int points)
{
    return Answer<QFontDialog>([points](QFontDialog &dialog) {
        QFont font = dialog.currentFont();
        font.setPointSize(points);
        dialog.setCurrentFont(font);
        return ClickOk(dialog);
    });
}

TCalendarPage &PageOf(TJourneyContext &context)
{
    return *context.Window.Parts().CalendarPage;
}

QPoint PointAt(const TCalendarPage &page, int x, int y)
{
    return {page.Width() * std::clamp(x, 0, PerMille - 1) / PerMille,
            page.Height() * std::clamp(y, 0, PerMille - 1) / PerMille};
}

TLumGraphicControl *ObjectNumber(const TCalendarPage &page, int number)
{
    const int count = page.Objects().Count();
    return count == 0 ? nullptr : page.Objects().At(number % count);
}

QPoint CentreOf(const TLumGraphicControl &object)
{
    const TBounds &b = object.Bounds();
    return {b.Left + b.Width / 2, b.Top + b.Height / 2};
}

bool OnAnyObject(const TCalendarPage &page, QPoint at)
{
    for (const TLumGraphicControl *object : page.Objects().Objects()) {
        const TBounds &b = object->Bounds();
        if (QRect(b.Left - 8, b.Top - 8, b.Width + 16, b.Height + 16).contains(at))
            return true;
    }
    return false;
}

// The page point nearest to at, in steps of 16 pixels, that no object lies on.
QPoint FreePointNear(const TCalendarPage &page, QPoint at)
{
    for (int ring = 0; ring < 40; ++ring) {
        for (int dy = -ring; dy <= ring; ++dy) {
            for (int dx = -ring; dx <= ring; ++dx) {
                if (std::max(std::abs(dx), std::abs(dy)) != ring)
                    continue;
                const QPoint point = at + QPoint(dx, dy) * 16;
                if (QRect(0, 0, page.Width(), page.Height()).contains(point) &&
                    !OnAnyObject(page, point))
                    return point;
            }
        }
    }
    return at;
}

QStringList SelectedNames(const TCalendarPage &page)
{
    QStringList names;
    for (const TLumGraphicControl *object : page.Objects().Selection())
        names.append(object->Name());
    return names;
}

QStringList AllNames(const TCalendarPage &page)
{
    QStringList names;
    for (const TLumGraphicControl *object : page.Objects().Objects())
        names.append(object->Name());
    return names;
}

// Selects object number alone unless something is selected already.
void SelectSomething(TJourneyContext &context, int number)
{
    TCalendarPage &page = PageOf(context);
    if (!page.Objects().Selection().isEmpty())
        return;
    if (TLumGraphicControl *object = ObjectNumber(page, number))
        context.User.Click(CentreOf(*object));
}

void ChooseFromFileMenu(TJourneyContext &context, QAction *item)
{
    context.User.ChooseMenuItem(*context.Window.Menu(u"FileMenu"_s), *item);
}

TTouched PlaceObject(const TStep &step, TJourneyContext &context)
{
    TCalendarMain &window = context.Window;
    TCalendarPage &page = *window.Parts().CalendarPage;
    const QString text = step.Text;
    QToolButton *tools[] = {window.Button(u"DrawLabelButton"_s),
                            window.Button(u"DrawImageButton"_s), window.Button(u"DrawRichText"_s),
                            window.Button(u"DrawSuperText"_s), window.Button(u"PSpeedButton1"_s)};
    const int kind = step.A % 5;
    switch (kind) {
    case 0:
        context.Dialogs.Queue(Answer<TGetLabelText>([text](TGetLabelText &dialog) {
            TypeInto(*dialog.LabelText, text);
            return ClickOk(dialog);
        }));
        break;
    case 1:
        context.Dialogs.Queue(
            Answer<TLumImageBrowser>([file = context.PictureFile](TLumImageBrowser &dialog) {
                dialog.SetFolder(QFileInfo(file).path());
                QApplication::processEvents();
                dialog.SelectFile(file);
                return ClickOk(dialog);
            }));
        break;
    case 2:
        context.Dialogs.Queue(Answer<TRichTextLabelEditor>([text](TRichTextLabelEditor &dialog) {
            QWidget &editor = *dialog.WPRichText1;
            QTest::mouseClick(&editor, Qt::LeftButton, {}, QPoint(8, 8));
            if (QWidget *focus = QApplication::focusWidget())
                QTest::keyClicks(focus, text);
            return ClickOk(dialog);
        }));
        break;
    case 3:
        context.Dialogs.Queue(
            Answer<TSuperTextProperties>([text, up = step.E % 3](TSuperTextProperties &dialog) {
                TypeInto(*dialog.CaptionText, text);
                for (int i = 0; i < up; ++i)
                    QTest::mouseClick(dialog.RapidChangeFontSizeUp, Qt::LeftButton);
                return ClickOk(dialog);
            }));
        break;
    default:
        break;
    }
    context.User.ClickButton(*tools[kind]);
    const QPoint from = PointAt(page, step.B, step.C);
    const double zoom = window.Parts().CalendarPanel->Zoom();
    context.User.Drag(from, from + QPoint(int(step.D * zoom), int(step.E * zoom)));
    return {};
}

TTouched Move(const TStep &step, TJourneyContext &context)
{
    TCalendarPage &page = PageOf(context);
    SelectSomething(context, step.A);
    const QList<TLumGraphicControl *> &selection = page.Objects().Selection();
    if (selection.isEmpty())
        return {};
    const QStringList touched = SelectedNames(page);
    const QPoint from = CentreOf(*selection.first());
    context.User.Drag(from, from + QPoint(step.B, step.C));
    return {false, touched};
}

TTouched PanPicture(const TStep &step, TJourneyContext &context)
{
    TCalendarPage &page = PageOf(context);
    TLumGraphicControl *object = ObjectNumber(page, step.A);
    if (!object)
        return {};
    const QPoint from = CentreOf(*object);
    context.User.Click(from);
    context.User.Drag(from, from + QPoint(step.B, step.C), Qt::ControlModifier);
    return {false, SelectedNames(page)};
}

TTouched Resize(const TStep &step, TJourneyContext &context)
{
    TCalendarPage &page = PageOf(context);
    TLumGraphicControl *object = ObjectNumber(page, step.A);
    if (!object)
        return {};
    context.User.Click(CentreOf(*object));
    if (page.Objects().Selection().size() != 1)
        return {false, SelectedNames(page)};
    // The grip, on the handle a few pixels inside its edges.
    const TBounds handle = page.Handle().Bounds();
    const int x[] = {0,
                     2,
                     handle.Width - 3,
                     2,
                     handle.Width - 3,
                     handle.Width / 2,
                     2,
                     handle.Width / 2,
                     handle.Width - 3};
    const int y[] = {0,
                     2,
                     2,
                     handle.Height - 3,
                     handle.Height - 3,
                     2,
                     handle.Height / 2,
                     handle.Height - 3,
                     handle.Height / 2};
    const int grip = 1 + step.B % 8;
    const QPoint from(handle.Left + x[grip], handle.Top + y[grip]);
    const QStringList touched = SelectedNames(page);
    context.User.Drag(from, from + QPoint(step.C, step.D));
    return {false, touched};
}

TTouched Nudge(const TStep &step, TJourneyContext &context)
{
    TCalendarPage &page = PageOf(context);
    SelectSomething(context, step.D);
    const int keys[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
    const int key = keys[step.A % 4];
    const Qt::KeyboardModifiers modifiers = step.B % 2 ? Qt::ShiftModifier : Qt::NoModifier;
    const QStringList touched = SelectedNames(page);
    context.User.KeyPress(key, modifiers);
    context.User.KeyRelease(key, modifiers);
    return {false, touched};
}

TTouched PageMenu(const TStep &step, TJourneyContext &context)
{
    TCalendarPage &page = PageOf(context);
    const QString command = PageCommands()[step.C % PageCommands().size()];
    TTouched touched{false, SelectedNames(page)};
    if (command.contains(u"All"_s) && command != u"Select All"_s)
        touched = {false, AllNames(page)};
    if (command == u"Font"_s)
        context.Dialogs.Queue(FontOfSize(8 + step.D % 30));
    context.User.ChooseFromMenu(FreePointNear(page, PointAt(page, step.A, step.B)), {command});
    return touched;
}

// The commands of an object's menu a step may choose: the path through the
// menus to each.
QList<QStringList> ObjectCommands(TLumGraphicControl &object)
{
    static const QStringList plain{u"Bring To Front"_s,
                                   u"Send To Back"_s,
                                   u"Cut"_s,
                                   u"Copy"_s,
                                   u"Delete"_s,
                                   u"Clone"_s,
                                   u"Locked"_s,
                                   u"Center Vertically"_s,
                                   u"Center Horizontally"_s,
                                   u"Transparent"_s,
                                   u"Border"_s,
                                   u"Flip"_s,
                                   u"Reverse"_s,
                                   u"Stretch to Fit"_s,
                                   u"AutoSize"_s,
                                   u"Font"_s,
                                   u"Text"_s,
                                   u"Properties"_s,
                                   u"Edit"_s};
    QList<QStringList> commands;
    for (const TDesignMenuItem &item : object.Menu()) {
        if (plain.contains(item.Caption))
            commands.append({item.Caption});
        else if (item.Caption == u"Rotation"_s)
            for (const QString &turn :
                 {u"No Rotation"_s, u"90 Degrees"_s, u"180 Degrees"_s, u"270 Degrees"_s})
                commands.append({item.Caption, turn});
        else if (item.Caption == u"Alignment"_s)
            for (const QString &side : {u"Left"_s, u"Center"_s, u"Right"_s})
                commands.append({item.Caption, side});
    }
    return commands;
}

void QueueObjectDialog(const QString &command, const TStep &step, TJourneyContext &context)
{
    const QString text = step.Text;
    if (command == u"Font"_s) {
        context.Dialogs.Queue(FontOfSize(8 + step.C % 40));
    } else if (command == u"Text"_s) {
        context.Dialogs.Queue(Answer<TGetLabelText>([text](TGetLabelText &dialog) {
            TypeInto(*dialog.LabelText, text);
            return ClickOk(dialog);
        }));
    } else if (command == u"Properties"_s) {
        // SuperText's properties with a larger font; a floating calendar's
        // as they are.
        context.Dialogs.Queue([up = 1 + step.C % 2](QDialog &dialog) {
            ShowDialog(dialog);
            if (auto *properties = qobject_cast<TSuperTextProperties *>(&dialog))
                for (int i = 0; i < up; ++i)
                    QTest::mouseClick(properties->RapidChangeFontSizeUp, Qt::LeftButton);
            return ClickOk(dialog);
        });
    } else if (command == u"Edit"_s) {
        context.Dialogs.Queue(Answer<TRichTextLabelEditor>([text](TRichTextLabelEditor &dialog) {
            QTest::mouseClick(dialog.WPRichText1, Qt::LeftButton, {}, QPoint(8, 8));
            if (QWidget *focus = QApplication::focusWidget())
                QTest::keyClicks(focus, text);
            return ClickOk(dialog);
        }));
    }
}

TTouched ObjectMenu(const TStep &step, TJourneyContext &context)
{
    TCalendarPage &page = PageOf(context);
    TLumGraphicControl *object = ObjectNumber(page, step.A);
    if (!object)
        return {};
    const QString name = object->Name();
    context.User.Click(CentreOf(*object));
    const QList<QStringList> commands = ObjectCommands(*object);
    if (commands.isEmpty() || !page.Objects().IsSelected(object))
        return {false, {name}};
    const QStringList path = step.Menu.isEmpty() ? commands[step.B % commands.size()] : step.Menu;
    QueueObjectDialog(path.first(), step, context);
    context.User.ChooseFromMenu(CentreOf(*object), path);
    return {false, {name}};
}

TTouched ClipboardKey(const TStep &step, TJourneyContext &context)
{
    TTouched touched{false, SelectedNames(PageOf(context))};
    switch (step.A % 4) {
    case 0:
        context.User.Key(Qt::Key_C, Qt::ControlModifier);
        break;
    case 1:
        context.User.Key(Qt::Key_X, Qt::ControlModifier);
        break;
    case 2:
        context.User.Key(Qt::Key_V, Qt::ControlModifier);
        break;
    default:
        context.User.Key(Qt::Key_Delete);
        break;
    }
    return touched;
}

TTouched TypeInCell(const TStep &step, TJourneyContext &context)
{
    TCalendarMain &window = context.Window;
    TCalendarPage &page = *window.Parts().CalendarPage;
    const int cell = 1 + step.A % CellCount;
    const TCellGeometry &geometry = page.MainAttributes().CellGeometry[cell - 1];
    const TRect area = geometry.rFree.IsZero() ? geometry.rTotal : geometry.rFree;
    if (area.IsZero())
        return {};
    context.User.Click({(area.Left + area.Right) / 2, (area.Top + 2 * area.Bottom) / 3});
    if (!window.Session().CellEditing())
        return {};
    const TWPToolButton formats[] = {TWPToolButton::Bold, TWPToolButton::Italic,
                                     TWPToolButton::Underline};
    QAbstractButton *format = nullptr;
    if (step.B % 4 != 0)
        format = qobject_cast<QAbstractButton *>(window.Parts().WPToolBar1->widgetForAction(
            window.Parts().WPToolBar1->Button(formats[step.B % 4 - 1])));
    if (format)
        context.User.ClickButton(*format);
    context.User.Type(step.Text);
    if (format)
        context.User.ClickButton(*format);
    return {};
}

TTouched Fill(const TStep &step, TJourneyContext &context)
{
    const int rows = step.A;
    context.Dialogs.Queue(Answer<TSelectRecurringDates>([rows](TSelectRecurringDates &dialog) {
        TRecurringRowList &list = *dialog.Dates();
        if (rows != 0) {
            QTest::mouseClick(dialog.Nonebutton, Qt::LeftButton);
            for (int row = 0; row < list.count() && row < 16; ++row)
                if (rows & (1 << row))
                    ClickItem(list, list.model()->index(row, 0));
        }
        return ClickOk(dialog);
    }));
    ChooseFromFileMenu(context, context.Window.Command(u"mnuFillCalendarwithRecurringDates"_s));
    return {};
}

TTouched AddHolidays(const TStep &step, TJourneyContext &context)
{
    const int set = step.A;
    const int rows = step.B;
    context.Dialogs.Queue(Answer<TEditRecurringDates>([](TEditRecurringDates &dialog) {
        QTest::mouseClick(dialog.Holidaysbutton, Qt::LeftButton);
        return ClickToClose(dialog, *dialog.okbutton);
    }));
    context.Dialogs.Queue(Answer<TGetHolidays>([set, rows](TGetHolidays &dialog) {
        StepCombo(*dialog.HolidaySet, set % std::max(1, dialog.HolidaySet->count()));
        TRecurringRowList &list = *dialog.Holidays();
        for (int row = 0; row < list.count() && row < 16; ++row)
            if (rows & (1 << row))
                ClickItem(list, list.model()->index(row, 0));
        return ClickOk(dialog);
    }));
    ChooseFromFileMenu(context, context.Window.Command(u"mnuEditrecurringDates"_s));
    return {};
}

// Changes one setting in the properties dialog as a user does.
void ChangeSetting(TCalendarProperties &dialog, int setting, int value)
{
    auto *tabs = dialog.findChild<QTabBar *>(u"TabSet1"_s);
    const auto showTab = [tabs](int index) {
        tabs->setCurrentIndex(index);
        QApplication::processEvents();
    };
    switch (setting) {
    case sLayout: {
        showTab(0);
        auto *list = dialog.findChild<QListWidget *>(u"LayoutList"_s);
        ClickItem(*list, list->model()->index(value % list->count(), 0));
        break;
    }
    case sOrientation:
    case sPaper: {
        showTab(0);
        const QString group = setting == sOrientation ? u"rOrientation"_s : u"PaperSize"_s;
        const QList<QRadioButton *> buttons =
            dialog.findChild<QWidget *>(group)->findChildren<QRadioButton *>();
        for (QRadioButton *button : buttons)
            if (!button->isChecked()) {
                QTest::mouseClick(button, Qt::LeftButton);
                break;
            }
        break;
    }
    case sMonth: {
        showTab(1);
        const char *buttons[] = {"Button8", "Button9", "Button11", "Button12"};
        if (auto *button =
                dialog.findChild<QAbstractButton *>(QString::fromLatin1(buttons[value % 4])))
            QTest::mouseClick(button, Qt::LeftButton);
        break;
    }
    case sTitleFont:
    case sCellFont:
        showTab(2);
        if (auto *button = dialog.findChild<QAbstractButton *>(
                setting == sTitleFont ? u"TitleFontbutton"_s : u"NumberFontButton"_s))
            QTest::mouseClick(button, Qt::LeftButton);
        break;
    case sLineLayout:
        showTab(5);
        StepCombo(*dialog.findChild<QComboBox *>(u"CalendarLineLayoutCombo"_s), 1 + value % 2);
        break;
    case sHeadersStyle:
        showTab(4);
        StepCombo(*dialog.findChild<QComboBox *>(u"CalHeaderStyleCombo"_s), 1 + value % 2);
        break;
    case sMargin:
        showTab(8);
        StepCombo(*dialog.findChild<QComboBox *>(u"LeftMarginInchcombo"_s), 1 + value % 3);
        break;
    default: {
        showTab(9);
        auto *list = dialog.findChild<QListWidget *>(u"BorderFiles"_s);
        if (list->count() > 0)
            ClickItem(*list, list->model()->index(value % list->count(), 0));
        break;
    }
    }
}

TDialogAnswer PropertiesAnswer(int setting, int value)
{
    return Answer<TCalendarProperties>([setting, value](TCalendarProperties &dialog) {
        ChangeSetting(dialog, setting, value);
        return ClickOk(dialog);
    });
}

TTouched Properties(const TStep &step, TJourneyContext &context)
{
    const int setting = step.A % sSettingCount;
    context.Dialogs.Queue(PropertiesAnswer(setting, step.B));
    if (setting == sTitleFont || setting == sCellFont)
        context.Dialogs.Queue(FontOfSize(6 + step.B % 40));
    ChooseFromFileMenu(context, context.Window.Command(u"mnuProperties"_s));
    return {};
}

void ZoomOnce(TJourneyContext &context, bool in, int means)
{
    TCalendarMain &window = context.Window;
    switch (means % 3) {
    case 0:
        context.User.ClickButton(in ? *window.Button(u"ZoomPlusButton"_s)
                                    : *window.Button(u"ZoomMinusButton"_s));
        break;
    case 1:
        context.User.Key(in ? Qt::Key_PageDown : Qt::Key_PageUp);
        break;
    default: {
        TCalendarPanel32 &page = *window.Parts().CalendarPanel;
        const QWidget *viewport = window.Parts().ScrollBox2->viewport();
        const QPoint middle = page.mapFrom(viewport, viewport->rect().center());
        context.User.Wheel(middle, in ? 1 : -1, Qt::ControlModifier);
        break;
    }
    }
}

TTouched Reopen(const TStep &step, TJourneyContext &context)
{
    TCalendarMain &window = context.Window;
    context.Run.AnswerYes = step.B % 2;
    const QString file = window.Session().FileName();
    if (file.isEmpty())
        return {};
    QAction *recent = nullptr;
    for (QAction *action : window.Menu(u"FileMenu"_s)->actions())
        if (action->text().startsWith(u"&1 "_s))
            recent = action;
    if (step.A % 2 == 0 && recent) {
        ChooseFromFileMenu(context, recent);
    } else {
        context.Run.SaveAsAnswer = file;
        ChooseFromFileMenu(context, window.Command(u"Open1"_s));
    }
    return {true, {}};
}

TTouched NewDocument(const TStep &step, TJourneyContext &context)
{
    context.Run.AnswerYes = step.B % 2;
    context.Dialogs.Queue(PropertiesAnswer(sLayout, step.A));
    ChooseFromFileMenu(context, context.Window.Command(u"New1"_s));
    return {true, {}};
}

TTouched Save(const TStep &step, TJourneyContext &context)
{
    TCalendarMain &window = context.Window;
    switch (step.A % 3) {
    case 0:
        context.User.Key(Qt::Key_S, Qt::ControlModifier);
        break;
    case 1:
        if (window.Button(u"Savebutton"_s)->isVisible()) {
            context.User.ClickButton(*window.Button(u"Savebutton"_s));
            break;
        }
        [[fallthrough]];
    default:
        ChooseFromFileMenu(context, window.Session().Untitled() ? window.Command(u"mnuSaveAs"_s)
                                                                : window.Command(u"mnuSave"_s));
        break;
    }
    return {};
}

TTouched UserTitle(const TStep &step, TJourneyContext &context)
{
    const QString text = step.Text;
    context.Dialogs.Queue(Answer<TUserTitleForm>([text](TUserTitleForm &dialog) {
        TypeInto(*dialog.TitleText, text);
        return ClickToClose(dialog, *dialog.OkButton);
    }));
    ChooseFromFileMenu(context, context.Window.Command(u"mnuUserTitle"_s));
    return {};
}

} // namespace

QString TStep::Describe() const
{
    QString text = QStringLiteral("%1(%2, %3, %4, %5, %6")
                       .arg(ActionName(Action))
                       .arg(A)
                       .arg(B)
                       .arg(C)
                       .arg(D)
                       .arg(E);
    if (!Text.isEmpty())
        text += QStringLiteral(", \"%1\"").arg(Text);
    if (!Menu.isEmpty())
        text += u", menu "_s + Menu.join(u" > "_s);
    return text + u')';
}

const QStringList &PageCommands()
{
    static const QStringList commands{u"Align Left"_s,
                                      u"Align Right"_s,
                                      u"Align Tops"_s,
                                      u"Align Bottoms"_s,
                                      u"Center Vertically"_s,
                                      u"Center Horizontally"_s,
                                      u"Bring To Front"_s,
                                      u"Send To Back"_s,
                                      u"Lock All"_s,
                                      u"Unlock All"_s,
                                      u"Select All"_s,
                                      u"Cut"_s,
                                      u"Copy"_s,
                                      u"Paste"_s,
                                      u"Delete"_s,
                                      u"Mark All Selectable"_s,
                                      u"Mark All Unselectable"_s,
                                      u"Font"_s};
    return commands;
}

QList<TStep> RandomSteps(quint32 seed, int count)
{
    struct TWeighted
    {
        TAction Action;
        int Weight;
    };
    static const TWeighted weights[] = {
        {TAction::PlaceObject, 12}, {TAction::Select, 7},     {TAction::SelectArea, 3},
        {TAction::Move, 8},         {TAction::Resize, 5},     {TAction::Nudge, 5},
        {TAction::PageMenu, 7},     {TAction::ObjectMenu, 8}, {TAction::ClipboardKey, 5},
        {TAction::TypeInCell, 10},  {TAction::Fill, 3},       {TAction::AddHolidays, 1},
        {TAction::Properties, 6},   {TAction::Zoom, 8},       {TAction::ZoomRoundTrip, 3},
        {TAction::Scroll, 2},       {TAction::Undo, 6},       {TAction::Redo, 3},
        {TAction::Save, 4},         {TAction::Reopen, 2},     {TAction::New, 1},
        {TAction::UserTitle, 1},    {TAction::ClearCells, 1}};
    int total = 0;
    for (const TWeighted &w : weights)
        total += w.Weight;
    std::mt19937 random(seed);
    const auto number = [&random](int below) {
        return int(std::uniform_int_distribution<int>(0, below - 1)(random));
    };
    QList<TStep> steps;
    for (int i = 0; i < count; ++i) {
        int pick = number(total);
        TStep step;
        for (const TWeighted &w : weights) {
            if (pick < w.Weight) {
                step.Action = w.Action;
                break;
            }
            pick -= w.Weight;
        }
        step.A = number(1000);
        step.B = number(1000);
        step.C = number(1000);
        step.D = number(1000);
        step.E = number(1000);
        switch (step.Action) {
        case TAction::PlaceObject:
            step.A = number(5);
            step.D = 20 + number(220);
            step.E = 10 + number(90);
            break;
        case TAction::Move:
            step.B = number(161) - 80;
            step.C = number(161) - 80;
            break;
        case TAction::Resize:
            step.C = number(121) - 60;
            step.D = number(121) - 60;
            break;
        case TAction::Zoom:
            step.A = number(2);
            break;
        case TAction::ZoomRoundTrip:
            step.A = 1 + number(3);
            break;
        case TAction::Scroll:
            step.A = number(7) - 3;
            break;
        case TAction::Fill:
            step.A = number(3) == 0 ? 0 : number(64);
            break;
        default:
            break;
        }
        step.Text = Words()[number(int(Words().size()))];
        steps.append(step);
    }
    return steps;
}

TTouched Perform(const TStep &step, TJourneyContext &context)
{
    TCalendarMain &window = context.Window;
    TCalendarPage &page = *window.Parts().CalendarPage;
    // Without a document only New makes sense.
    if (!window.Parts().CalendarPanel->PageShown() && step.Action != TAction::New)
        return {};
    switch (step.Action) {
    case TAction::PlaceObject:
        return PlaceObject(step, context);
    case TAction::Select:
        if (TLumGraphicControl *object = ObjectNumber(page, step.A))
            context.User.Click(CentreOf(*object), Qt::LeftButton,
                               step.B % 2 ? Qt::ShiftModifier : Qt::NoModifier);
        return {};
    case TAction::SelectArea: {
        const QPoint from = FreePointNear(page, PointAt(page, step.A, step.B));
        context.User.Drag(from, PointAt(page, step.C, step.D));
        return {};
    }
    case TAction::Move:
        return Move(step, context);
    case TAction::PanPicture:
        return PanPicture(step, context);
    case TAction::Resize:
        return Resize(step, context);
    case TAction::Nudge:
        return Nudge(step, context);
    case TAction::PageMenu:
        return PageMenu(step, context);
    case TAction::ObjectMenu:
        return ObjectMenu(step, context);
    case TAction::ClipboardKey:
        return ClipboardKey(step, context);
    case TAction::TypeInCell:
        return TypeInCell(step, context);
    case TAction::Fill:
        return Fill(step, context);
    case TAction::AddHolidays:
        return AddHolidays(step, context);
    case TAction::Properties:
        return Properties(step, context);
    case TAction::Zoom:
        ZoomOnce(context, step.A % 2, step.B);
        return {};
    case TAction::ZoomRoundTrip:
        for (int i = 0; i < step.A; ++i)
            ZoomOnce(context, step.B % 2, 0);
        for (int i = 0; i < step.A; ++i)
            ZoomOnce(context, step.B % 2 == 0, 0);
        return {};
    case TAction::Scroll: {
        const QWidget *viewport = window.Parts().ScrollBox2->viewport();
        context.User.Wheel(
            window.Parts().CalendarPanel->mapFrom(viewport, viewport->rect().center()), step.A, {});
        return {};
    }
    case TAction::Undo:
    case TAction::Redo: {
        const bool undo = step.Action == TAction::Undo;
        if (step.A % 2 == 0)
            context.User.Key(undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
        else
            context.User.ClickButton(undo ? *window.Button(u"UndoButton"_s)
                                          : *window.Button(u"RedoButton"_s));
        return {true, {}};
    }
    case TAction::Save:
        return Save(step, context);
    case TAction::Reopen:
        return Reopen(step, context);
    case TAction::New:
        return NewDocument(step, context);
    case TAction::UserTitle:
        return UserTitle(step, context);
    case TAction::ClearCells:
        ChooseFromFileMenu(context, window.Command(u"mnuClearAllCellContents"_s));
        return {};
    }
    return {};
}

bool MayChangeDocument(TAction action)
{
    switch (action) {
    case TAction::Select:
    case TAction::SelectArea:
    case TAction::Zoom:
    case TAction::ZoomRoundTrip:
    case TAction::Scroll:
    case TAction::Save:
    case TAction::AddHolidays:
        return false;
    default:
        return true;
    }
}

bool IsUndoable(TAction action)
{
    switch (action) {
    case TAction::New:
    case TAction::Reopen:
    case TAction::Undo:
    case TAction::Redo:
        return false;
    default:
        return true;
    }
}
