#include "HelpViewer.h"

#include "HelpPage.h"
#include "Messages.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The window help belongs to: a modal dialog blocks every window but its own
// children, so help asked for from one goes into a window of its own.
QWidget *HelpOwner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->inherits("TCalendarMain"))
            return window;
    }
    return nullptr;
}

THelpViewer *ExistingViewer(QWidget *owner)
{
    if (owner)
        return owner->findChild<THelpViewer *>(QString(), Qt::FindDirectChildrenOnly);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *viewer = qobject_cast<THelpViewer *>(window); viewer && !viewer->parent())
            return viewer;
    }
    return nullptr;
}

THelpViewer *HelpViewerOf(QWidget *owner)
{
    if (THelpViewer *viewer = ExistingViewer(owner))
        return viewer;
    if (owner)
        return new THelpViewer(owner);
    // Without an owner the window frees itself when closed.
    auto *viewer = new THelpViewer;
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    return viewer;
}

// A browser that opens pages only from the help folder (its one search path),
// and no more of them than a help page needs. Pictures and style sheets are
// loaded by its document, a THelpDocument: a browser refusing one would
// leave the document to read the file itself.
class THelpBrowser : public QTextBrowser
{
public:
    explicit THelpBrowser(QWidget *parent) : QTextBrowser(parent) {}

protected:
    QVariant loadResource(int, const QUrl &name) override
    {
        return LoadHelpResource(name, searchPaths().value(0));
    }
};

} // namespace

THelpViewer::THelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Window), m_browser(new THelpBrowser(this)),
      m_page(new THelpDocument(QString(), m_browser))
{
    m_browser->setDocument(m_page);
    setObjectName(u"HelpViewer"_s);
    setWindowTitle(tr("Datewright Help"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(620, 520);
    // Esc closes the help, as it closes a dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
}

bool THelpViewer::Open(const QString &fileName)
{
    if (fileName == m_fileName)
        return true;
    THelpFile help;
    if (const auto failure = ReadHelpFile(fileName, help)) {
        ShowInformation(tr("Unable to open the help file %1: %2")
                            .arg(QDir::toNativeSeparators(fileName), *failure));
        return false;
    }
    m_help = std::move(help);
    m_fileName = fileName;
    m_browser->setSearchPaths({QFileInfo(fileName).absolutePath()});
    m_page->SetFolder(QFileInfo(fileName).absolutePath());
    m_browser->setHtml(BoundedHelpHtml(m_help.Html));
    return true;
}

void THelpViewer::ShowTopic(int context)
{
    m_shownAnchor = HelpAnchor(m_help, context);
    show();
    raise();
    activateWindow();
    // The contents are the top of the page.
    if (m_shownAnchor == HelpAnchor(m_help, 0))
        m_browser->verticalScrollBar()->setValue(0);
    else
        m_browser->scrollToAnchor(m_shownAnchor);
}

THelpViewer *ShowHelpContext(int context)
{
    QWidget *owner = HelpOwner();
    THelpViewer *viewer = HelpViewerOf(owner);
    if (!viewer->Open(HelpFileName())) {
        if (!owner)
            viewer->deleteLater();
        return nullptr;
    }
    viewer->ShowTopic(context);
    return viewer;
}

THelpViewer *ShowHelpContents()
{
    return ShowHelpContext(0);
}
