#pragma once

#include "HelpFile.h"

#include <QWidget>

class QTextBrowser;
class THelpDocument;

// The help window: the help file in a browser, opened at a topic or at the
// contents. Links between topics are anchors inside the one page.
class THelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit THelpViewer(QWidget *parent = nullptr);

    // Reads the help file; false, after telling the user, when it cannot be
    // read.
    bool Open(const QString &fileName);
    // Shows the window at the topic of context (the contents for 0 or a
    // context without a topic).
    void ShowTopic(int context);

    QTextBrowser *Browser() const { return m_browser; }
    // The anchor the window was last opened at.
    const QString &ShownAnchor() const { return m_shownAnchor; }

private:
    QTextBrowser *m_browser;
    THelpDocument *m_page; // the browser's document
    THelpFile m_help;
    QString m_fileName;
    QString m_shownAnchor;
};

// Opens the help file at the topic of context, in the help window of the
// main window (or of the modal dialog open now, so the help stays usable).
// Returns that window, or null when the file could not be read.
THelpViewer *ShowHelpContext(int context);
// Opens the help file at its contents.
THelpViewer *ShowHelpContents();
