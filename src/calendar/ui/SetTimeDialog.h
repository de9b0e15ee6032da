#pragma once

#include <QDialog>
#include <QString>
#include <QTime>

#include <array>

class TCaptionPanel;

// The caption of the set-time dialog for a time: "Set Time As: 08:00 am", the
// hour in two digits on the 12-hour clock and the marker always in English.
QString SetTimeCaption(QTime time);
// The caption of hour cell tag (0 to 23): "12", "1" ... "11" in each half day.
QString HourCellCaption(int tag);

// Picks the day planners' starting time from a panel of 24 hour cells (a
// morning and an afternoon group) and a panel of 60 minute cells. The caller
// sets Time, shows the dialog and on OK reads Time back.
class TSetTimeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TSetTimeDialog(QWidget *parent = nullptr);

    QTime Time() const { return m_time; }
    void SetTime(QTime value) { m_time = value; }
    int Hour() const { return m_hour; }
    int Minute() const { return m_minute; }

    // Takes hour and minute from Time and shows them; runs whenever the
    // dialog is shown.
    void FormActivate();

    TCaptionPanel *HourCell(int tag) const;
    TCaptionPanel *MinuteCell(int tag) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreateHourPanel();
    void CreateMinutePanel();
    void CreateButtons();
    void HourClick(int tag);
    void MinuteClick(int tag);
    void RefreshDisplay();

    QTime m_time{8, 0};
    int m_hour = 8;
    int m_minute = 0;
    std::array<TCaptionPanel *, 24> m_hourCells{};
    std::array<TCaptionPanel *, 60> m_minuteCells{};
};
