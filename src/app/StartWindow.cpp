#include "StartWindow.h"

#include "CalendarPanel32.h"
#include "PageSummary.h"
#include "StoredPageValues.h"

#include <QLabel>
#include <QVBoxLayout>

StartWindow::StartWindow(QWidget *parent)
    : QWidget(parent), m_page(new TCalendarPanel32(this)), m_summary(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Datewright"));
    ApplyMainPageValues(*m_page);
    m_page->ResetStyle();

    m_summary->setText(PageSummary(*m_page));
    m_summary->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    resize(480, 160);
}
