#include "DisplayCheck.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

// Sets the display variables for one test and puts them back afterwards.
class DisplayEnvironment : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : names)
            saved.push_back(qgetenv(name));
        for (const char *name : names)
            qunsetenv(name);
    }
    void TearDown() override
    {
        for (size_t i = 0; i < std::size(names); ++i) {
            if (saved[i].isNull())
                qunsetenv(names[i]);
            else
                qputenv(names[i], saved[i]);
        }
    }

    static constexpr const char *names[] = {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"};
    std::vector<QByteArray> saved;
};

} // namespace

TEST_F(DisplayEnvironment, NoDisplayIsSaidPlainly)
{
    EXPECT_TRUE(MissingDisplayReason().contains("no graphical display"));
}

TEST_F(DisplayEnvironment, ALocalDisplayWithoutItsSocketIsNotRunning)
{
    qputenv("DISPLAY", ":4711");
    EXPECT_TRUE(MissingDisplayReason().contains(":4711 is not running"));
    qputenv("DISPLAY", "remote.example:0");
    EXPECT_TRUE(MissingDisplayReason().isEmpty());
}

TEST_F(DisplayEnvironment, AChosenPlatformOrWaylandIsTrusted)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(MissingDisplayReason().isEmpty());
    qunsetenv("QT_QPA_PLATFORM");
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_TRUE(MissingDisplayReason().isEmpty());
}
