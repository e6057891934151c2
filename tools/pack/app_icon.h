#pragma once

#include <QByteArray>

#include <filesystem>

namespace zephyr::pack {

// The program's own icon, a gold wind-swept "Z" on the dark tile of the
// interface, as SVG.
QByteArray AppIconSvg();

// The pixel sizes the icon theme gets a rendered picture of.
inline constexpr int kAppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Writes the icon into an icon theme folder ("hicolor"): the SVG as
// scalable/apps/zephyrdex.svg and a PNG rendered from it as
// <N>x<N>/apps/zephyrdex.png for every size. std::runtime_error naming the
// file when one cannot be written.
void WriteAppIcon(const std::filesystem::path& themeFolder);

} // namespace zephyr::pack
