// The desktop front end's tests run on Qt's offscreen platform unless another is chosen.
#include <gtest/gtest.h>

#include <QApplication>

#include "gui/look.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    velomark::gui::SetUpLook(application);
    return RUN_ALL_TESTS();
}
