#include <QApplication>

#include <gtest/gtest.h>

// Under the leak checker: fontconfig keeps what it looked up for a font fallback
// in caches it never frees (seen when a form with the MMS form's texts is shown
// and left through the window loop). Those blocks belong to the system library.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

int main(int argc, char **argv)
{
    // Window tests never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
