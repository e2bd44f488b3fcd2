// The main of every test program that needs Qt: the windows under test are real widgets on the
// offscreen platform, the waits run Qt's event loop, and sound goes to OpenAL's null device, so
// no display or sound card is needed and nothing is heard.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
