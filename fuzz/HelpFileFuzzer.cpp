#include "HelpFile.h"

#include <QByteArrayView>

#include <cstdint>
#include <cstdlib>

// Any bytes read as the help file: every topic found opens at its own
// anchor, and a context without a topic opens the contents.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const THelpFile help =
        ParseHelpText(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const int topic : help.Topics) {
        if (topic < 0 || HelpAnchor(help, topic) != QString::number(topic))
            std::abort();
    }
    if (HelpAnchor(help, -1) != QStringLiteral("contents"))
        std::abort();
    return 0;
}
