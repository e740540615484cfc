#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Set before the QApplication exists, or test discovery at build time needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a test does may reach the real user's profile or folders.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(WENDLE_VERSION));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
