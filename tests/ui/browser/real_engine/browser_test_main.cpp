#include "ui/browser/viewer_process.h"
#include "ui/shell/application_style.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Under AddressSanitizer the engine's own library trips the sized-delete
// check with allocations that are not ours; everything else stays checked.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    zephyr::ui::PrepareViewerProcess();
    QApplication application(argc, argv);
    zephyr::ui::PrepareApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
