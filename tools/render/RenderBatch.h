#pragma once

#include "RenderOptions.h"

#include <QString>

#include <optional>
#include <variant>

class QIODevice;

// A job of a batch file: the number of its line and its options, or one line
// saying what is wrong with it.
struct TBatchJob
{
    // Counted wide: a batch on standard input may run for days.
    qint64 Line = 0;
    std::variant<TRenderOptions, QString> Options;
};

// The longest line a batch file may have.
constexpr qint64 MaxBatchLineBytes = 64 * 1024;

// The jobs of a batch file read from device (UTF-8), one a line, blank lines
// and comments skipped (see SplitBatchLine), one after the other as they
// are asked for: a batch of any length, standard input too, is read a line
// at a time.
class TBatchReader
{
public:
    explicit TBatchReader(QIODevice &device) : m_device(device) {}

    // The next job, or nothing at the end of the batch.
    std::optional<TBatchJob> Next();

private:
    QIODevice &m_device;
    qint64 m_line = 0;
};

// Runs the jobs of the batch file fileName ("-": standard input) in one
// process, up to workers at once, each as soon as its line is read, their
// output in the order of the lines.
// A failed job is one line on standard error with its line number and the
// others still run. Returns the process exit code: 0 when every job
// succeeded.
int RunRenderBatch(const QString &fileName, int workers);
