#pragma once

#include "JourneySteps.h"

#include <QDeadlineTimer>
#include <QList>
#include <QString>

#include <optional>

// A journey: steps of real actions played on a new main window holding the
// document of December 1999, with these checked after every step:
// - the page on the screen is the document drawn afresh at the same zoom
//   (selection squares and the open cell editor left out, objects over the
//   editor not);
// - a step that changes the document is undone to the bytes before it and
//   redone to the bytes after it, with the screen the document each time;
// - objects a step did not touch keep their records, and at every zoom
//   their place on the screen;
// - zooming, scrolling, selecting and saving change no byte; a save writes
//   the document and a reopened document is its file.
struct TJourneyFailure
{
    // The step after which the check failed; -1 for the start.
    int Step = -1;
    QString What;
};

// Plays steps; the first failure, or none. On a failure of the screen the
// screen, the fresh page and their differences are written side by side to
// picture when it is given.
std::optional<TJourneyFailure> PlayJourney(const QList<TStep> &steps, const QString &picture = {});

// Steps left out, in runs and one by one, while the journey still fails:
// the shortest failing journey found before the deadline.
QList<TStep> ShrinkJourney(QList<TStep> steps, int failedAt, QDeadlineTimer deadline);

// Plays steps and, when they fail, shrinks them: what failed, at which
// step, the shortest failing journey and the picture of its screen. Empty
// when the journey passed.
QString JourneyReport(const QString &name, const QList<TStep> &steps);

// The journey settings the environment gives: DW_JOURNEY_OUTPUT, the folder
// of failure pictures (the temporary folder's "dw-journeys" without it), and
// DW_JOURNEY_SHRINK_SECONDS, how long a failure may be shrunk (120).
QString JourneyOutputFolder();
