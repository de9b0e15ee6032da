#include "HintStyle.h"

#include <QApplication>
#include <QStyleFactory>

#include <memory>

THintStyle::THintStyle(int delayMs)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), m_delayMs(delayMs)
{}

int THintStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                          QStyleHintReturn *returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return m_delayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void SetHintDelay(int delayMs)
{
    if (QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay) == delayMs)
        return;
    // The application owns the style from here on.
    auto style = std::make_unique<THintStyle>(delayMs);
    QApplication::setStyle(style.release());
}
