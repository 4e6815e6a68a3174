#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QUrl>

// Runs the tests of one class under the offscreen platform, with a private, empty home,
// configuration and runtime directory so that no test touches the user's own.
#define QUINTAVEL_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char **argv) {                                                              \
        TestSupport::prepareEnvironment();                                                         \
        QApplication app(argc, argv);                                                              \
        TestSupport::prepareApplication();                                                         \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

namespace TestSupport {

void prepareEnvironment();
void prepareApplication();

} // namespace TestSupport
