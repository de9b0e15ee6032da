#pragma once

#include <QProxyStyle>

// The application's style with its own delay before a hint (tool tip)
// appears.
class THintStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit THintStyle(int delayMs);

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;

private:
    int m_delayMs;
};

// Makes hints appear after delayMs milliseconds all over the application.
void SetHintDelay(int delayMs);
