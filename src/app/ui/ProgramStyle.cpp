#include "ProgramStyle.h"

#include "PaintedIcon.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <memory>

namespace {

// Two chevrons pointing right, or down when vertical, in the text colour.
QIcon ChevronIcon(bool vertical)
{
    return PaintedIcon([vertical](QPainter &painter, const QRectF &target) {
        const double unit = std::min(target.width(), target.height()) / 16.0;
        QPainterPath chevrons;
        for (const double x : {4.5, 8.5}) {
            chevrons.moveTo(x, 4.5);
            chevrons.lineTo(x + 3.5, 8);
            chevrons.lineTo(x, 11.5);
        }
        painter.translate(target.center());
        painter.scale(unit, unit);
        if (vertical)
            painter.rotate(90);
        painter.translate(-8, -8);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QApplication::palette().color(QPalette::WindowText), 1.5, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(chevrons);
    });
}

} // namespace

TProgramStyle::TProgramStyle(int hintDelayMs) : m_hintDelayMs(hintDelayMs) {}

int TProgramStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay && m_hintDelayMs >= 0)
        return m_hintDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon TProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                  const QWidget *widget) const
{
    switch (standardIcon) {
    case SP_ToolBarHorizontalExtensionButton:
        return ChevronIcon(false);
    case SP_ToolBarVerticalExtensionButton:
        return ChevronIcon(true);
    default:
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

void InstallProgramStyle(int hintDelayMs)
{
    // QApplication owns its style and deletes the one it replaces.
    auto style = std::make_unique<TProgramStyle>(hintDelayMs);
    style->setParent(qApp);
    QApplication::setStyle(style.release());
}

void SetHintDelay(int delayMs)
{
    if (auto *style = qobject_cast<TProgramStyle *>(QApplication::style()))
        style->SetHintDelay(delayMs);
    else
        InstallProgramStyle(delayMs);
}
