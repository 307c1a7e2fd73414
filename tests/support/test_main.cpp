#include <QApplication>
#include <gtest/gtest.h>

// Every test program gets a QApplication so GUI and raster tests share one set-up;
// the platform is offscreen unless the caller chose another.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
