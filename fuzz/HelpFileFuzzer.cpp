#include "FuzzSupport.h"
#include "HelpFile.h"
#include "HelpPage.h"

#include <QByteArrayView>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// Any bytes read as the help file: topics found open at their own anchor, a
// context without a topic opens the contents, and the page is laid out and
// drawn as the viewer shows it (from a folder without pictures), never
// crashing or running away.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const THelpFile help =
        ParseHelpText(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    // Some 200 topics spread over the file: each lookup goes through the
    // list, and all of thousands would make the check itself take seconds.
    const qsizetype step = std::max<qsizetype>(1, help.Topics.size() / 200);
    for (qsizetype index = 0; index < help.Topics.size(); index += step) {
        const int topic = help.Topics[index];
        if (topic < 0 || HelpAnchor(help, topic) != QString::number(topic))
            std::abort();
    }
    if (HelpAnchor(help, -1) != QStringLiteral("contents"))
        std::abort();
    THelpDocument page(QStringLiteral("/nonexistent-help-folder"));
    page.setHtml(BoundedHelpHtml(help.Html));
    page.setTextWidth(300);
    QImage window(300, 200, QImage::Format_RGB32);
    window.fill(Qt::white);
    QPainter painter(&window);
    page.drawContents(&painter, QRectF(0, 0, 300, 200));
    return 0;
}
