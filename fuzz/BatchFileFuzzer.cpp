#include "BatchLine.h"
#include "RenderBatch.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

// A word quoted so that the splitter gives it back as it is.
QString Quoted(QString word)
{
    return u'\'' + word.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

} // namespace

// Any bytes read as a batch file: jobs in the order of their lines, each
// line's words, quoted again, split back into the same words.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const qsizetype lines = bytes.count('\n') + 1;
    qint64 previous = 0;
    TBatchReader reader(device);
    while (const std::optional<TBatchJob> job = reader.Next()) {
        if (job->Line <= previous || job->Line > lines)
            std::abort();
        previous = job->Line;
    }
    for (const QByteArray &line : bytes.split('\n')) {
        const auto split = SplitBatchLine(QString::fromUtf8(line));
        const QStringList *words = std::get_if<QStringList>(&split);
        if (words == nullptr)
            continue;
        QStringList quoted;
        for (const QString &word : *words)
            quoted << Quoted(word);
        const auto again = SplitBatchLine(quoted.join(u' '));
        if (!std::holds_alternative<QStringList>(again) || std::get<QStringList>(again) != *words)
            std::abort();
    }
    return 0;
}
