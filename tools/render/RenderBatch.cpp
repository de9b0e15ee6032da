#include "RenderBatch.h"

#include "BatchLine.h"
#include "OrderedWork.h"
#include "RenderCommand.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

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

void Report(int line, const TJobResult &result)
{
    std::fwrite(result.Output.constData(), 1, size_t(result.Output.size()), stdout);
    std::fflush(stdout);
    if (!result.Error.isEmpty())
        std::fprintf(stderr, "datewright-render: %s\n",
                     qPrintable(QCoreApplication::translate("datewright-render", "line %1: %2")
                                    .arg(QString::number(line), result.Error)));
}

} // namespace

std::vector<TBatchJob> ReadBatchJobs(QIODevice &device)
{
    std::vector<TBatchJob> jobs;
    // An empty read is the end: every line read has at least its newline,
    // but for the last.
    for (int number = 1;; ++number) {
        const QByteArray line = device.readLine(MaxBatchLineBytes + 2);
        if (line.isEmpty())
            break;
        if (line.size() > MaxBatchLineBytes && !line.endsWith('\n')) {
            SkipRestOfLine(device);
            jobs.push_back({number, QCoreApplication::translate("datewright-render",
                                                                "the line is longer than %1 bytes")
                                        .arg(MaxBatchLineBytes)});
        } else if (!Blank(line)) {
            jobs.push_back({number, JobOfLine(line.endsWith('\n') ? line.chopped(1) : line)});
        }
    }
    return jobs;
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
    const std::vector<TBatchJob> jobs = ReadBatchJobs(*file);
    // One job has the threads for its pages; several share them a job each.
    const bool oneJob = jobs.size() == 1;
    int failed = 0;
    RunInOrder<TJobResult>(
        int(jobs.size()), oneJob ? 1 : workers,
        [&jobs, oneJob, workers](int index) {
            const auto &options = jobs[size_t(index)].Options;
            if (const QString *error = std::get_if<QString>(&options))
                return TJobResult{{}, *error};
            return RunRenderJob(std::get<TRenderOptions>(options), oneJob ? workers : 1);
        },
        [&jobs, &failed, index = size_t(0)](TJobResult result) mutable {
            Report(jobs[index++].Line, result);
            failed += result.Error.isEmpty() ? 0 : 1;
            return true;
        });
    if (failed > 0) {
        std::fprintf(
            stderr, "datewright-render: %s\n",
            qPrintable(QCoreApplication::translate("datewright-render", "%1 of %n jobs failed",
                                                   nullptr, int(jobs.size()))
                           .arg(failed)));
        return 1;
    }
    return 0;
}
