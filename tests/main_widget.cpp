// One QApplication on the offscreen platform for every widget test.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication applicazione(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mappix"));
    Q_INIT_RESOURCE(mappix_assets);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
