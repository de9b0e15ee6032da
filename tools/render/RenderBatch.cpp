#include "RenderBatch.h"

#include "BatchLine.h"
#include "OrderedWork.h"
#include "RenderCommand.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <utility>

namespace {

// What a line's options may not ask of a job.
QString RefusedInJob(const TRenderOptions &options)
{
    if (!options.Batch.isEmpty())
        return QCoreApplication::translate("datewright-render",
                                           "a job cannot run a batch of its own");
    if (options.Jobs)
        return QCoreApplication::translate("datewright-render",
                                           "--jobs goes on the command line, beside --batch");
    if (options.Help)
        return QCoreApplication::translate("datewright-render", "--help is not a job");
    return {};
}

std::variant<TRenderOptions, QString> JobOfLine(const QByteArray &line)
{
    const auto words = SplitBatchLine(QString::fromUtf8(line));
    if (const QString *error = std::get_if<QString>(&words))
        return *error;
    auto parsed = ParseRenderOptions(std::get<QStringList>(words));
    if (const auto *options = std::get_if<TRenderOptions>(&parsed)) {
        if (QString refused = RefusedInJob(*options); !refused.isEmpty())
            return refused;
    }
    return parsed;
}

// Reads the rest of a line too long to keep.
void SkipRestOfLine(QIODevice &device)
{
    char c = 0;
    while (device.getChar(&c) && c != '\n') {
    }
}

bool Blank(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith('#');
}

std::unique_ptr<QFile> OpenBatch(const QString &fileName, QString &error)
{
    auto file = std::make_unique<QFile>(fileName);
    const bool opened =
        fileName == u"-" ? file->open(stdin, QIODevice::ReadOnly) : file->open(QIODevice::ReadOnly);
    if (!opened) {
        error = file->errorString();
        return nullptr;
    }
    return file;
}

// A job's result with the number of its line.
struct TLineResult
{
    qint64 Line = 0;
    TJobResult Result;
};

void Report(qint64 line, const TJobResult &result)
{
    std::fwrite(result.Output.constData(), 1, size_t(result.Output.size()), stdout);
    std::fflush(stdout);
    if (!result.Error.isEmpty())
        std::fprintf(stderr, "datewright-render: %s\n",
                     qPrintable(QCoreApplication::translate("datewright-render", "line %1: %2")
                                    .arg(QString::number(line), result.Error)));
}

} // namespace

std::optional<TBatchJob> TBatchReader::Next()
{
    // An empty read is the end: every line read has at least its newline,
    // but for the last.
    for (;;) {
        const QByteArray line = m_device.readLine(MaxBatchLineBytes + 2);
        if (line.isEmpty())
            return std::nullopt;
        ++m_line;
        if (line.size() > MaxBatchLineBytes && !line.endsWith('\n')) {
            SkipRestOfLine(m_device);
            return TBatchJob{m_line, QCoreApplication::translate("datewright-render",
                                                                 "the line is longer than %1 bytes")
                                         .arg(MaxBatchLineBytes)};
        }
        if (!Blank(line))
            return TBatchJob{m_line, JobOfLine(line.endsWith('\n') ? line.chopped(1) : line)};
    }
}

int RunRenderBatch(const QString &fileName, int workers)
{
    QString error;
    const std::unique_ptr<QFile> file = OpenBatch(fileName, error);
    if (!file) {
        std::fprintf(stderr, "datewright-render: %s\n",
                     qPrintable(QCoreApplication::translate("datewright-render",
                                                            "cannot read the batch %1: %2")
                                    .arg(fileName, error)));
        return 1;
    }
    TBatchReader reader(*file);
    // One job has the threads for its pages; several share them a job each.
    // Which it is shows once a second job is read, or the end.
    std::optional<TBatchJob> first = reader.Next();
    std::optional<TBatchJob> second = first ? reader.Next() : std::nullopt;
    const bool oneJob = !second;
    const auto next = [&]() -> std::optional<TBatchJob> {
        if (first)
            return std::exchange(first, std::nullopt);
        if (second)
            return std::exchange(second, std::nullopt);
        return reader.Next();
    };
    qint64 jobs = 0;
    qint64 failed = 0;
    RunInOrder<TBatchJob, TLineResult>(
        next, oneJob ? 1 : workers,
        [oneJob, workers](const TBatchJob &job) {
            if (const QString *error = std::get_if<QString>(&job.Options))
                return TLineResult{job.Line, {{}, *error}};
            return TLineResult{job.Line, RunRenderJob(std::get<TRenderOptions>(job.Options),
                                                      oneJob ? workers : 1)};
        },
        [&jobs, &failed](const TLineResult &done) {
            Report(done.Line, done.Result);
            ++jobs;
            failed += done.Result.Error.isEmpty() ? 0 : 1;
            return true;
        });
    if (failed > 0) {
        // Past the largest int, the count shown stops there.
        const int shown = int(std::min<long long>(jobs, std::numeric_limits<int>::max()));
        std::fprintf(stderr, "datewright-render: %s\n",
                     qPrintable(QCoreApplication::translate("datewright-render",
                                                            "%1 of %n jobs failed", nullptr, shown)
                                    .arg(failed)));
        return 1;
    }
    return 0;
}
