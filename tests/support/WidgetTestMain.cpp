// The main() of test programs that use widgets: a QApplication exists for every test, under the
// platform that CTest sets (offscreen).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The remembered-login file goes to a configuration home of the test's own, never the user's.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wtalvera"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
