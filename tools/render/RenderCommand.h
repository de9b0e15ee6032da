#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

struct TRenderOptions;

// datewright-render: renders a calendar page as the options say. Returns
// the process exit code; errors are one line on standard error.
int RunRenderCommand(const QStringList &arguments);

// What needs no toolkit: --help, or options that cannot be used, answered
// on the spot (the exit code); nullopt when the run has pages to draw.
std::optional<int> AnswerWithoutToolkit(const QStringList &arguments);

// What one job gave: what it prints (the JSON of --info and --geometry) and,
// when it failed, why, in one line.
struct TJobResult
{
    QByteArray Output;
    QString Error;
};

// Runs one job, drawing its pages on up to workers threads.
TJobResult RunRenderJob(const TRenderOptions &options, int workers);

// Threads drawing at once unless --jobs says: one a processor.
int DefaultWorkers();
