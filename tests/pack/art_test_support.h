#pragma once

#include "data/picture.h"

#include <QByteArray>
#include <QGuiApplication>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace zephyr::pack::testing {

// Drawing needs a GUI application; the offscreen platform needs no display.
inline void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const auto runtime = std::filesystem::temp_directory_path() / "zephyr-pack-tests-runtime";
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
    }
    static int argc = 1;
    static char name[] = "zephyr_pack_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

// A small icon set in the shape of icons.json, with plain shapes the tests
// can reason about: a full square, a dot in the middle, a bar from corner
// to corner, a triangle and a ring; "box" is another name of "square".
inline QByteArray SmallIconSetJson() {
    return R"({
  "prefix": "game-icons",
  "icons": {
    "square": {"body": "<path fill=\"currentColor\" d=\"M0 0h512v512H0z\"/>"},
    "dot": {"body": "<circle cx=\"256\" cy=\"256\" r=\"90\" fill=\"currentColor\"/>"},
    "diagonal": {"body": "<path fill=\"currentColor\" d=\"M0 60L60 0L512 452L452 512z\"/>"},
    "triangle": {"body": "<path fill=\"currentColor\" d=\"M256 20L492 480H20z\"/>"},
    "ring": {"body": "<path fill=\"currentColor\" fill-rule=\"evenodd\" d=\"M256 16a240 240 0 1 0 0.1 0zM256 120a136 136 0 1 1-0.1 0z\"/>"}
  },
  "aliases": {"box": {"parent": "square"}},
  "width": 512,
  "height": 512
})";
}

// The channels of an ARGB pixel.
struct Rgb {
    int R, G, B;
};
inline Rgb Channels(std::uint32_t argb) {
    return {static_cast<int>(argb >> 16 & 0xFF), static_cast<int>(argb >> 8 & 0xFF),
            static_cast<int>(argb & 0xFF)};
}

// The mean of the largest channel difference over all pixels of two
// pictures of one size.
inline double MeanDifference(const Picture& a, const Picture& b) {
    double sum = 0;
    for (int y = 0; y < a.Height; ++y) {
        for (int x = 0; x < a.Width; ++x) {
            const Rgb p = Channels(a.At(x, y));
            const Rgb q = Channels(b.At(x, y));
            sum += std::max({std::abs(p.R - q.R), std::abs(p.G - q.G), std::abs(p.B - q.B)});
        }
    }
    return sum / (a.Width * a.Height);
}

} // namespace zephyr::pack::testing
