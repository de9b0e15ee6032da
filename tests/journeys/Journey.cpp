#include "Journey.h"

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "JourneyUser.h"
#include "MainWindowTestSupport.h"
#include "PageScreen.h"
#include "RecurringFile.h"
#include "RecurringFormula.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QPainter>
#include <QToolButton>

#include <map>

using namespace Qt::StringLiterals;

namespace {

// The page and what is known of it after a step.
struct TState
{
    bool Open = false;
    float Zoom = 1;
    QByteArray Bytes;
    QMap<QString, QByteArray> Records;
    QMap<QString, TBounds> Bounds;
    TPageScreen Screen;
    QImage Mask;
    QImage Fresh;
};

QString BoundsText(const TBounds &b)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(b.Left).arg(b.Top).arg(b.Width).arg(b.Height);
}

QString ZoomText(float zoom)
{
    return QString::number(double(zoom) * 100, 'f', 1) + u" %"_s;
}

// Where two documents' bytes part, and what each holds there.
QString BytesDiffer(const QByteArray &expected, const QByteArray &found)
{
    qsizetype at = 0;
    while (at < expected.size() && at < found.size() && expected[at] == found[at])
        ++at;
    const auto around = [at](const QByteArray &bytes) {
        const qsizetype from = std::max<qsizetype>(0, at - 16);
        return QString::fromLatin1(bytes.mid(from, 48).toPercentEncoding(" {}\\;"));
    };
    return QStringLiteral("%1 bytes where %2 were expected, first different at byte %3:"
                          "\n    expected ...%4...\n    found    ...%5...")
        .arg(found.size())
        .arg(expected.size())
        .arg(at)
        .arg(around(expected), around(found));
}

// The objects whose records differ between two states, by name.
QStringList ChangedObjects(const TState &expected, const TState &found)
{
    QStringList changed;
    for (auto it = expected.Records.begin(); it != expected.Records.end(); ++it)
        if (found.Records.value(it.key()) != it.value())
            changed.append(it.key());
    for (auto it = found.Records.begin(); it != found.Records.end(); ++it)
        if (!expected.Records.contains(it.key()))
            changed.append(it.key());
    return changed;
}

QString MovedOnScreen(const TState &expected, const TState &found)
{
    for (auto it = expected.Bounds.begin(); it != expected.Bounds.end(); ++it) {
        const auto other = found.Bounds.find(it.key());
        if (other != found.Bounds.end() && *other != *it)
            return QStringLiteral("%1 shows at %2 where it showed at %3")
                .arg(it.key(), BoundsText(*other), BoundsText(*it));
    }
    return {};
}

// DW_JOURNEY_TRACE set: each step is told as it is played.
bool Tracing()
{
    return qEnvironmentVariableIsSet("DW_JOURNEY_TRACE");
}

void PrepareProgramFolder(TMainWindowRun &run, const QString &picture)
{
    WriteRecurringFile(
        run.Path(u"DWRECUR.DAX"_s),
        {MakeEntry(u"Rent"_s, MakeDayOfMonthFormula(15, 0)),
         MakeEntry(u"Book club"_s, MakeSpecialFormula(0, 3, 0)),
         MakeEntry(u"Gym"_s, MakeWeekdayFormula({false, true, false, true, false, true, false})),
         MakeEntry(u"Easter"_s, u"#EASTER"_s),
         MakeEntry(u"New Year"_s, MakeDayOfMonthFormula(1, 1)),
         MakeEntry(u"Payday"_s, MakeSpecialFormula(5, 5, 0))});
    ShipHolidaySet(u"Canada"_s);
    ShipHolidaySet(u"France"_s);
    // The border pictures the build ships beside the program.
    const QDir shipped(QFileInfo(QStringLiteral(DW_PROGRAM_FILE)).dir().filePath(u"Borders"_s));
    QDir(run.Path(QString())).mkdir(u"Borders"_s);
    for (const QString &name : shipped.entryList(QDir::Files))
        QFile::copy(shipped.filePath(name), run.Path(u"Borders/"_s + name));
    QImage image(48, 32, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 5, y * 7, 160));
    image.save(picture);
}

class TJourneyRun
{
public:
    explicit TJourneyRun(QString picture) : m_picture(std::move(picture)) {}

    std::optional<TJourneyFailure> Play(const QList<TStep> &steps);

private:
    TState Capture() const;
    std::optional<QString> CheckScreen(const TState &state) const;
    std::optional<QString> CheckStep(const TStep &step, const TState &before,
                                     const TState &after) const;
    std::optional<QString> CheckUntouched(const TState &before, const TState &after,
                                          const TTouched &touched);
    std::optional<QString> CheckUndo(const TState &before, TState &after);
    QString StepNotes();

    QString m_picture;
    TMainWindowRun m_run;
    TDialogAnswers m_dialogs;
    TCalendarMain *m_window = nullptr;
    std::unique_ptr<TJourneyUser> m_user;
    // Where each object showed at each zoom since a step last touched it.
    std::map<std::pair<QString, float>, TBounds> m_shown;
};

std::optional<TJourneyFailure> TJourneyRun::Play(const QList<TStep> &steps)
{
    const QString pictureFile = m_run.Path(u"Journey.bmp"_s);
    PrepareProgramFolder(m_run, pictureFile);
    m_run.SaveAsAnswer = m_run.Path(u"Journey.DWC"_s);
    m_window = &m_run.StartActive();
    m_user = std::make_unique<TJourneyUser>(*m_window);
    TJourneyContext context{m_run, *m_window, *m_user, m_dialogs, pictureFile};
    m_user->Settle();
    TState before = Capture();
    if (const std::optional<QString> why = CheckScreen(before))
        return TJourneyFailure{-1, *why};
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const TStep &step = steps[i];
        m_user->Activate();
        const TTouched touched = Perform(step, context);
        m_dialogs.Clear();
        m_user->Settle();
        TState after = Capture();
        std::optional<QString> why = CheckScreen(after);
        if (!why)
            why = CheckStep(step, before, after);
        if (!why)
            why = CheckUntouched(before, after, touched);
        if (!why && IsUndoable(step.Action) && before.Open && after.Open &&
            before.Bytes != after.Bytes)
            why = CheckUndo(before, after);
        const QString notes = StepNotes();
        if (Tracing())
            qInfo().noquote() << QStringLiteral("step %1: %2 -> %3 bytes, %4 objects, zoom %5, "
                                                "%6 undo steps (%8), layout %7, %9%10, in view %11")
                                     .arg(i + 1)
                                     .arg(step.Describe())
                                     .arg(after.Bytes.size())
                                     .arg(after.Records.size())
                                     .arg(ZoomText(after.Zoom))
                                     .arg(m_window->History().Count())
                                     .arg(int(m_window->Parts().CalendarPage->CalendarLayout()))
                                     .arg(m_window->Command(u"mnuUndo"_s)->text())
                                     .arg(m_window->Session().Modified() ? u"changed"_s
                                                                         : u"unchanged"_s)
                                     .arg(m_window->Session().CellEditing() ? u", editing a cell"_s
                                                                            : QString())
                                     .arg(QDebug::toString(after.Screen.Visible))
                              << notes;
        if (why)
            return TJourneyFailure{int(i), *why + notes};
        before = std::move(after);
    }
    return std::nullopt;
}

TState TJourneyRun::Capture() const
{
    TState state;
    state.Open = m_window->Parts().CalendarPanel->PageShown();
    if (!state.Open)
        return state;
    TCalendarPage &page = *m_window->Parts().CalendarPage;
    state.Zoom = m_window->Parts().CalendarPanel->Zoom();
    state.Bytes = DocumentBytes(*m_window);
    state.Records = ObjectRecords(page);
    for (const TLumGraphicControl *object : page.Objects().Objects())
        state.Bounds.insert(object->Name(), object->Bounds());
    state.Screen = ScreenOfPage(*m_window);
    const TFreshRender fresh = FreshRender(state.Bytes, state.Zoom);
    state.Fresh = fresh.Page;
    state.Mask = ScreenMask(*m_window, state.Screen, fresh.Objects);
    return state;
}

std::optional<QString> TJourneyRun::CheckScreen(const TState &state) const
{
    if (!state.Open)
        return std::nullopt;
    const QString differences = Differences(state.Screen, state.Fresh, state.Mask);
    if (differences.isEmpty())
        return std::nullopt;
    QString what =
        u"the screen is not the document at "_s + ZoomText(state.Zoom) + u": "_s + differences;
    for (const QWidget *other : QApplication::topLevelWidgets())
        if (other != m_window && other->isVisible())
            what += QStringLiteral("\n  also on the screen: %1 %2 at %3")
                        .arg(QString::fromLatin1(other->metaObject()->className()),
                             other->objectName(), QDebug::toString(other->geometry()));
    if (!m_picture.isEmpty() && WriteSideBySide(m_picture, state.Screen, state.Fresh, state.Mask))
        what += u"\nscreen | fresh render | differences: "_s + m_picture;
    return what;
}

std::optional<QString> TJourneyRun::CheckStep(const TStep &step, const TState &before,
                                              const TState &after) const
{
    if (!MayChangeDocument(step.Action) && before.Open && after.Open && before.Bytes != after.Bytes)
        return u"the step changed the document: "_s + BytesDiffer(before.Bytes, after.Bytes) +
               u"; objects changed: "_s + ChangedObjects(before, after).join(u", "_s);
    const QString file = m_window->Session().FileName();
    if (!after.Open || file.isEmpty())
        return std::nullopt;
    if (step.Action == TAction::Save && !m_window->Session().Modified() &&
        FileBytes(file) != after.Bytes)
        return u"the saved file is not the document: "_s +
               BytesDiffer(after.Bytes, FileBytes(file));
    if (step.Action != TAction::Reopen || m_window->Session().Modified())
        return std::nullopt;
    // Opening names the objects afresh; apart from that the document is its
    // file, and it looks as it did when it was saved.
    const QByteArray opened = AsOpened(FileBytes(file));
    if (opened != after.Bytes)
        return u"the document opened is not its file: "_s + BytesDiffer(opened, after.Bytes);
    if (before.Open && before.Zoom == after.Zoom && before.Bytes == FileBytes(file) &&
        before.Fresh != after.Fresh)
        return u"the document opened looks other than when it was saved"_s;
    return std::nullopt;
}

std::optional<QString> TJourneyRun::CheckUntouched(const TState &before, const TState &after,
                                                   const TTouched &touched)
{
    if (touched.All) {
        m_shown.clear();
    } else {
        for (auto it = before.Records.begin(); it != before.Records.end(); ++it) {
            const QString &name = it.key();
            if (touched.Names.contains(name) || !after.Records.contains(name))
                continue;
            if (after.Records.value(name) != it.value())
                return name + u", which the step did not touch, changed in the document"_s;
        }
    }
    for (auto it = m_shown.begin(); it != m_shown.end();) {
        const QString &name = it->first.first;
        if (touched.Names.contains(name) || !after.Bounds.contains(name))
            it = m_shown.erase(it);
        else
            ++it;
    }
    for (auto it = after.Bounds.begin(); it != after.Bounds.end(); ++it) {
        const auto key = std::make_pair(it.key(), after.Zoom);
        const auto found = m_shown.find(key);
        if (found != m_shown.end() && found->second != *it)
            return QStringLiteral("%1, untouched since, shows at %2 at %3, where it showed at %4")
                .arg(it.key(), BoundsText(*it), ZoomText(after.Zoom), BoundsText(found->second));
        m_shown[key] = *it;
    }
    return std::nullopt;
}

std::optional<QString> TJourneyRun::CheckUndo(const TState &before, TState &after)
{
    if (!m_window->Button(u"UndoButton"_s)->isEnabled())
        return u"the change cannot be undone"_s;
    m_user->Activate();
    m_user->ClickButton(*m_window->Button(u"UndoButton"_s));
    const TState undone = Capture();
    if (const std::optional<QString> why = CheckScreen(undone))
        return u"after undo, "_s + *why;
    if (undone.Bytes != before.Bytes)
        return u"undo did not give back the document: "_s +
               BytesDiffer(before.Bytes, undone.Bytes) + u"; objects changed: "_s +
               ChangedObjects(before, undone).join(u", "_s);
    if (const QString moved = MovedOnScreen(before, undone); !moved.isEmpty())
        return u"after undo, "_s + moved;
    m_user->Activate();
    m_user->ClickButton(*m_window->Button(u"RedoButton"_s));
    TState redone = Capture();
    if (const std::optional<QString> why = CheckScreen(redone))
        return u"after redo, "_s + *why;
    if (redone.Bytes != after.Bytes)
        return u"redo did not give back the document: "_s + BytesDiffer(after.Bytes, redone.Bytes) +
               u"; objects changed: "_s + ChangedObjects(after, redone).join(u", "_s);
    if (const QString moved = MovedOnScreen(after, redone); !moved.isEmpty())
        return u"after redo, "_s + moved;
    after = std::move(redone);
    return std::nullopt;
}

// What the program said and which dialogs came unasked during the step.
QString TJourneyRun::StepNotes()
{
    QString notes;
    const QStringList messages = std::exchange(m_run.Messages, {});
    if (!messages.isEmpty())
        notes += u"\n  messages: "_s + messages.join(u" | "_s);
    const QStringList dialogs = m_dialogs.TakeUnanswered();
    if (!dialogs.isEmpty())
        notes += u"\n  dialogs cancelled unasked: "_s + dialogs.join(u", "_s);
    return notes;
}

QString Listed(const QList<TStep> &steps)
{
    QString list;
    for (qsizetype i = 0; i < steps.size(); ++i)
        list += QStringLiteral("  %1. %2\n").arg(i + 1).arg(steps[i].Describe());
    return list;
}

int ShrinkSeconds()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("DW_JOURNEY_SHRINK_SECONDS", &ok);
    return ok ? seconds : 120;
}

} // namespace

std::optional<TJourneyFailure> PlayJourney(const QList<TStep> &steps, const QString &picture)
{
    TJourneyRun run(picture);
    return run.Play(steps);
}

QList<TStep> ShrinkJourney(QList<TStep> steps, int failedAt, QDeadlineTimer deadline)
{
    steps = steps.mid(0, failedAt + 1);
    qsizetype run = steps.size() / 2;
    while (run >= 1 && !deadline.hasExpired()) {
        bool dropped = false;
        for (qsizetype start = 0; start + run <= steps.size() && !deadline.hasExpired();) {
            QList<TStep> fewer = steps;
            fewer.remove(start, run);
            if (const std::optional<TJourneyFailure> failure = PlayJourney(fewer)) {
                steps = fewer.mid(0, failure->Step + 1);
                dropped = true;
            } else {
                start += run;
            }
        }
        if (!dropped)
            run /= 2;
    }
    return steps;
}

QString JourneyOutputFolder()
{
    QString folder = qEnvironmentVariable("DW_JOURNEY_OUTPUT");
    if (folder.isEmpty())
        folder = QDir::temp().filePath(u"dw-journeys"_s);
    QDir().mkpath(folder);
    return folder;
}

QString JourneyReport(const QString &name, const QList<TStep> &steps)
{
    const QString picture = QDir(JourneyOutputFolder()).filePath(name + u".png"_s);
    const std::optional<TJourneyFailure> failure = PlayJourney(steps, picture);
    if (!failure)
        return {};
    QString report = QStringLiteral("Journey %1 failed after step %2 of %3: %4\n")
                         .arg(name)
                         .arg(failure->Step + 1)
                         .arg(steps.size())
                         .arg(failure->What);
    report += u"Steps up to there:\n"_s + Listed(steps.mid(0, failure->Step + 1));
    const QList<TStep> shortest =
        ShrinkJourney(steps, failure->Step, QDeadlineTimer(qint64(ShrinkSeconds()) * 1000));
    const QString shortPicture = QDir(JourneyOutputFolder()).filePath(name + u"-shortest.png"_s);
    if (const std::optional<TJourneyFailure> again = PlayJourney(shortest, shortPicture))
        report += QStringLiteral("Shortest failing journey found (%1 steps): %2\n")
                      .arg(shortest.size())
                      .arg(again->What) +
                  Listed(shortest);
    return report;
}
