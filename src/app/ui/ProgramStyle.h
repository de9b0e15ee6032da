#pragma once

#include <QProxyStyle>

// The desktop's own style with the program's delay before a hint (tool tip)
// appears, and with the chevrons that open the hidden items of a tool bar or
// menu bar drawn by code instead of read from picture files: reading the
// first picture file makes Qt load every picture plugin it has, which would
// hold up the start of the program.
class TProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit TProgramStyle(int hintDelayMs = -1);

    void SetHintDelay(int delayMs) { m_hintDelayMs = delayMs; }

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    // Negative: the desktop style's own delay.
    int m_hintDelayMs;
};

// Makes the program's style the application's, with the desktop style's own
// hint delay when hintDelayMs is negative.
void InstallProgramStyle(int hintDelayMs = -1);

// Makes hints appear after delayMs milliseconds all over the application,
// putting the program's style in place when another one is.
void SetHintDelay(int delayMs);
