#pragma once

#include <QStringList>

// datewright-render: renders a calendar page as the options say. Returns
// the process exit code; errors are one line on standard error.
int RunRenderCommand(const QStringList &arguments);
