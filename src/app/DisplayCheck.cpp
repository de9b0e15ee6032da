#include "DisplayCheck.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A local X display ":N" or ":N.S" has its socket in /tmp/.X11-unix.
bool LocalXDisplayMissing(const QString &display)
{
    static const QRegularExpression local(QStringLiteral("^:(\\d+)(\\.\\d+)?$"));
    const QRegularExpressionMatch match = local.match(display);
    if (!match.hasMatch())
        return false;
    return !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + match.captured(1));
}

} // namespace

QString MissingDisplayReason()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return {};
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("no graphical display is available (neither DISPLAY nor "
                              "WAYLAND_DISPLAY is set)");
    if (LocalXDisplayMissing(display))
        return QStringLiteral("the X display %1 is not running").arg(display);
    return {};
}
