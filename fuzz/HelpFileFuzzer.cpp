#include "FuzzSupport.h"
#include "HelpFile.h"
#include "HelpPage.h"

#include <QByteArrayView>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

// Any bytes read as the help file: every topic found opens at its own
// anchor, a context without a topic opens the contents, and the page is laid
// out and drawn as the viewer shows it (from a folder without pictures),
// never crashing or running away.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const THelpFile help =
        ParseHelpText(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const int topic : help.Topics) {
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
