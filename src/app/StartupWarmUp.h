#pragma once

#include <thread>

// Fills the font database from the system's fonts on a second core while the
// main window is built: the first text anything measures waits for it, and
// the window looks up its icons before that, so the two overlap. The
// database guards itself, so the main thread finds it filled or waits for it.
// Joined on destruction.
class TStartupWarmUp
{
public:
    TStartupWarmUp();
    ~TStartupWarmUp();
    TStartupWarmUp(const TStartupWarmUp &) = delete;
    TStartupWarmUp &operator=(const TStartupWarmUp &) = delete;

private:
    std::thread m_thread;
};
