// The print job from the command to the complete file on a private CUPS
// server, against lp of the same page exported as PDF, on two printers:
// cups-pdf (the page becomes a PDF through Ghostscript) and a raw queue
// (the spooled job lands as it is). The counters give the sizes of what
// came out and of the exported PDF.

#include "CalendarPage.h"
#include "CalendarPagePrint.h"
#include "PdfExport.h"
#include "ProgramFolder.h"
#include "ReportPrinter.h"
#include "Yardstick.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

const QString output = QStringLiteral(DW_BENCH_CUPS_FOLDER "/out");

// The private server, started when first needed and stopped at exit.
class PrivateServer
{
public:
    PrivateServer()
    {
        qputenv("CUPS_SERVER", DW_BENCH_CUPS_SOCKET);
        m_running = Script({"start", DW_BENCH_CUPS_FOLDER, DW_BENCH_CUPS_SOCKET});
    }
    ~PrivateServer()
    {
        if (m_running)
            Script({"stop", DW_BENCH_CUPS_FOLDER});
    }
    PrivateServer(const PrivateServer &) = delete;
    PrivateServer &operator=(const PrivateServer &) = delete;

    bool Running() const { return m_running; }

private:
    static bool Script(const QStringList &arguments)
    {
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        script.start(QStringLiteral(DW_BENCH_CUPS_SCRIPT), arguments);
        return script.waitForFinished(120000) && script.exitCode() == 0;
    }

    bool m_running = false;
};

bool ServerRunning()
{
    static PrivateServer server;
    return server.Running();
}

const QString printers[] = {QStringLiteral("DW-PDF"), QStringLiteral("DW-Raw")};

// The file a printer's job ends up in.
QString OutputOf(const QString &printer)
{
    if (printer == printers[1])
        return output + QStringLiteral("/raw.prn");
    const QFileInfoList files =
        QDir(output + QStringLiteral("/pdf")).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
    return files.isEmpty() ? QString() : files.first().absoluteFilePath();
}

void ClearOutput()
{
    QDir(output + QStringLiteral("/pdf")).removeRecursively();
    QDir().mkpath(output + QStringLiteral("/pdf"));
    QFile::remove(output + QStringLiteral("/raw.prn"));
}

// Waits until the server has no job left, polling every few milliseconds.
bool WaitUntilDone()
{
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        if (lpstat.waitForFinished(10000) && lpstat.exitCode() == 0 &&
            lpstat.readAllStandardOutput().trimmed().isEmpty())
            return true;
        QThread::msleep(2);
    }
    return false;
}

// The one-page month of the goal: 42 filled cells and a border picture.
void MakeJobPage(TCalendarPage &page)
{
    SetProgramFolder(QStringLiteral(DW_PROGRAM_DIR));
    MakeBenchPage(page, LOFullCalendarLS, true);
    page.SetWMFBorderFile(QStringLiteral("Classic"));
    SetProgramFolder({});
}

// The print command's own work: the page at full size drawn on the chosen
// printer, until the printer's file is complete.
void BM_PrintCommandToSpooledFile(benchmark::State &state)
{
    if (!ServerRunning()) {
        state.SkipWithError("the private print server did not start");
        return;
    }
    const QString printer = printers[state.range(0)];
    TCalendarPage page;
    MakeJobPage(page);
    TReportPrinter report;
    report.Device().SelectPrinter(printer);
    report.Device().SetPaper(QPageSize(QPageSize::Letter));
    report.OnPrint = [&](TReportPrinter &r) { PrintPage(r, page, 0, 0); };
    qint64 size = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ClearOutput();
        state.ResumeTiming();
        report.SetOrientation(poLandScape);
        report.RunPrintJob();
        if (!WaitUntilDone())
            state.SkipWithError("the job did not end");
        size = QFileInfo(OutputOf(printer)).size();
    }
    state.SetLabel(printer.toStdString());
    state.counters["file_bytes"] = double(size);
}
BENCHMARK(BM_PrintCommandToSpooledFile)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// lp of the same page exported as PDF beforehand, until the printer's file
// is complete.
void BM_LpOfExportedPdf(benchmark::State &state)
{
    if (!ServerRunning()) {
        state.SkipWithError("the private print server did not start");
        return;
    }
    const QString printer = printers[state.range(0)];
    TCalendarPage page;
    MakeJobPage(page);
    QTemporaryDir folder;
    const QString exported = folder.filePath(QStringLiteral("page.pdf"));
    if (SavePageAsPdf(page, exported, PdfTitle(page, {}))) {
        state.SkipWithError("the page could not be exported");
        return;
    }
    qint64 size = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ClearOutput();
        state.ResumeTiming();
        QProcess lp;
        lp.start(QStringLiteral("lp"), {QStringLiteral("-d"), printer, exported});
        if (!lp.waitForFinished(30000) || lp.exitCode() != 0 || !WaitUntilDone())
            state.SkipWithError("lp failed");
        size = QFileInfo(OutputOf(printer)).size();
    }
    state.SetLabel(printer.toStdString());
    state.counters["file_bytes"] = double(size);
    state.counters["exported_bytes"] = double(QFileInfo(exported).size());
}
BENCHMARK(BM_LpOfExportedPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
