// Test runner of the unit tests: the module's objects are linked in, so the tests run inside a Qt application
// of their own, as under a host that has one. The offscreen platform lets the dialogs run without a display.
#include "correspondente.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // The package load and unload a host performs around its calls.
    Initialize();
    const int resultado = RUN_ALL_TESTS();
    Finalize();
    return resultado;
}
