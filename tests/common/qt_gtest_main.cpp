// Test entry for window tests: offscreen Qt platform unless one is set, one QApplication, the resource
// registered, GoogleTest.

#include "resources/panels.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    Resource_Registrieren();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
