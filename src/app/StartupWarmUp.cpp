#include "StartupWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

TStartupWarmUp::TStartupWarmUp() : m_thread([] { QFontDatabase::families(); }) {}

TStartupWarmUp::~TStartupWarmUp()
{
    m_thread.join();
}
