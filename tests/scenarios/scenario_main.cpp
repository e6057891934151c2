#include "ui/browser/viewer_process.h"
#include "ui/shell/application_style.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

// The scenarios run on a real X server, the one run-under-x.sh starts.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (std::getenv("DISPLAY") == nullptr) {
        std::cerr << "SKIPPED: no DISPLAY; run the scenarios through run-under-x.sh\n";
        return 77;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    zephyr::ui::PrepareViewerProcess();
    QApplication application(argc, argv);
    zephyr::ui::PrepareApplication();
    return RUN_ALL_TESTS();
}
