#include "SetTimeDialog.h"

#include "CaptionPanel.h"
#include "Color.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int CellWidth = 24;
constexpr int CellHeight = 19;
constexpr int PanelWidth = 290;
constexpr int HoursPerRow = 6;
constexpr int MinutesPerRow = 10;

// The strip in highlight colours over each panel.
QLabel *HeaderStrip(const QString &caption, QWidget *panel)
{
    auto *strip = new QLabel(caption, panel);
    strip->setGeometry(0, 0, PanelWidth, CellHeight);
    strip->setAutoFillBackground(true);
    QPalette colours = strip->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
    strip->setPalette(colours);
    QFont bold = strip->font();
    bold.setBold(true);
    strip->setFont(bold);
    return strip;
}

QFrame *Panel(const QString &name, const QRect &bounds, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(bounds);
    return panel;
}

} // namespace

QString SetTimeCaption(QTime time)
{
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return TSetTimeDialog::tr("Set Time As: %1:%2 %3")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? TSetTimeDialog::tr("am") : TSetTimeDialog::tr("pm"));
}

QString HourCellCaption(int tag)
{
    return QString::number(tag % 12 == 0 ? 12 : tag % 12);
}

TSetTimeDialog::TSetTimeDialog(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(306, 334);
    CreateHourPanel();
    CreateMinutePanel();
    CreateButtons();
    RefreshDisplay();
}

void TSetTimeDialog::CreateHourPanel()
{
    QFrame *panel = Panel(QStringLiteral("HourPanel"), QRect(8, 8, PanelWidth, 118), this);
    HeaderStrip(tr("  Hour"), panel);
    const int left = (PanelWidth - HoursPerRow * CellWidth) / 2;
    for (int half = 0; half < 2; ++half) {
        const int top = 26 + half * (2 * CellHeight + 8);
        auto *marker = new QLabel(half == 0 ? tr("AM") : tr("PM"), panel);
        marker->setGeometry(left - 36, top, 30, 2 * CellHeight);
        marker->setAlignment(Qt::AlignCenter);
        for (int i = 0; i < 12; ++i) {
            const int tag = half * 12 + i;
            auto *cell = new TCaptionPanel(HourCellCaption(tag), tag, panel);
            cell->setGeometry(left + (i % HoursPerRow) * CellWidth,
                              top + (i / HoursPerRow) * CellHeight, CellWidth, CellHeight);
            cell->setToolTip(tr("Click to set the hours portion of the time"));
            connect(cell, &TCaptionPanel::Clicked, this, &TSetTimeDialog::HourClick);
            m_hourCells[tag] = cell;
        }
    }
}

void TSetTimeDialog::CreateMinutePanel()
{
    QFrame *panel = Panel(QStringLiteral("MinutePanel"), QRect(8, 134, PanelWidth, 146), this);
    HeaderStrip(tr("  Minute"), panel);
    const int left = (PanelWidth - MinutesPerRow * CellWidth) / 2;
    for (int tag = 0; tag < 60; ++tag) {
        auto *cell =
            new TCaptionPanel(QStringLiteral("%1").arg(tag, 2, 10, QLatin1Char('0')), tag, panel);
        cell->setGeometry(left + (tag % MinutesPerRow) * CellWidth,
                          24 + (tag / MinutesPerRow) * CellHeight, CellWidth, CellHeight);
        cell->setToolTip(tr("Click to set the minutes portion of the time"));
        connect(cell, &TCaptionPanel::Clicked, this, &TSetTimeDialog::MinuteClick);
        m_minuteCells[tag] = cell;
    }
}

void TSetTimeDialog::CreateButtons()
{
    auto *ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("okbutton"));
    ok->setGeometry(134, 296, 78, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(220, 296, 78, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TCaptionPanel *TSetTimeDialog::HourCell(int tag) const
{
    return tag >= 0 && tag < int(m_hourCells.size()) ? m_hourCells[tag] : nullptr;
}

TCaptionPanel *TSetTimeDialog::MinuteCell(int tag) const
{
    return tag >= 0 && tag < int(m_minuteCells.size()) ? m_minuteCells[tag] : nullptr;
}

void TSetTimeDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TSetTimeDialog::FormActivate()
{
    m_hour = m_time.isValid() ? m_time.hour() : 0;
    m_minute = m_time.isValid() ? m_time.minute() : 0;
    RefreshDisplay();
}

void TSetTimeDialog::HourClick(int tag)
{
    m_hour = tag;
    RefreshDisplay();
}

void TSetTimeDialog::MinuteClick(int tag)
{
    m_minute = tag;
    RefreshDisplay();
}

void TSetTimeDialog::RefreshDisplay()
{
    m_time = QTime(m_hour, m_minute);
    setWindowTitle(SetTimeCaption(m_time));
    const QColor chosen = ToQColor(clYellow);
    const QColor face = ToQColor(clBtnFace);
    for (TCaptionPanel *cell : m_hourCells)
        cell->SetFaceColor(cell->Tag() == m_hour ? chosen : face);
    for (TCaptionPanel *cell : m_minuteCells)
        cell->SetFaceColor(cell->Tag() == m_minute ? chosen : face);
}
