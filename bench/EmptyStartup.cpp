#include <QApplication>
#include <QTimer>

#include <cstdio>

// The floor of any start-up: a QApplication that starts its event loop, prints
// the marker the program prints at its first painted page, and quits.
// bench/startup.py times the program against it.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, [] {
        std::puts("first-paint");
        std::fflush(stdout);
        QApplication::quit();
    });
    return QApplication::exec();
}
