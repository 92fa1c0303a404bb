// Test entry for everything that needs a Qt application (offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>

#include "app/AppSetup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
