// Test main for tests that open serial ports: a QCoreApplication gives the main thread an event
// dispatcher, so the port's socket notifiers are created quietly (no event loop ever runs).

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
