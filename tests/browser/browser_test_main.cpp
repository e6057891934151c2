#include "ui/application_style.h"
#include "ui/web_engine_environment.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    zephyr::ui::PrepareWebEngine();
    QApplication application(argc, argv);
    zephyr::ui::PrepareApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
