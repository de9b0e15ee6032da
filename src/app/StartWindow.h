#pragma once

#include <QWidget>

class QLabel;
class TCalendarPanel32;

// The program's window until the main window exists: it holds the page in
// its default style and shows the page's size and layout.
class StartWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StartWindow(QWidget *parent = nullptr);

private:
    TCalendarPanel32 *m_page;
    QLabel *m_summary;
};
