#include "app_icon.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <stdexcept>
#include <string>

namespace zephyr::pack {
namespace {

// Gold and text colours are those of art_canvas.h; the tile's gradient ends
// in the interface's background.
constexpr char kSvg[] = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#343849"/>
      <stop offset="1" stop-color="#0e0f14"/>
    </linearGradient>
    <linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#f4dc9a"/>
      <stop offset="0.55" stop-color="#d6aa4c"/>
      <stop offset="1" stop-color="#b0703e"/>
    </linearGradient>
  </defs>
  <rect x="10" y="10" width="236" height="236" rx="46" fill="url(#tile)"
        stroke="url(#gold)" stroke-width="12"/>
  <path d="M156 104 H204 A15 15 0 1 0 189 89" fill="none" stroke="#ece2cd"
        stroke-width="11" stroke-linecap="round"/>
  <path d="M100 152 H52 A15 15 0 1 0 67 167" fill="none" stroke="#ece2cd"
        stroke-width="11" stroke-linecap="round"/>
  <path d="M66 70 H184 L76 186 H194" fill="none" stroke="#0e0f14" stroke-width="42"
        stroke-linecap="round" stroke-linejoin="round"/>
  <path d="M66 70 H184 L76 186 H194" fill="none" stroke="url(#gold)" stroke-width="30"
        stroke-linecap="round" stroke-linejoin="round"/>
</svg>
)svg";

void WriteBytes(const std::filesystem::path& file, const QByteArray& bytes) {
    std::filesystem::create_directories(file.parent_path());
    QFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

} // namespace

QByteArray AppIconSvg() {
    return QByteArray(kSvg);
}

void WriteAppIcon(const std::filesystem::path& themeFolder) {
    const QByteArray svg = AppIconSvg();
    WriteBytes(themeFolder / "scalable/apps/zephyrdex.svg", svg);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        throw std::runtime_error("the application icon's SVG does not render");
    }
    for (const int size : kAppIconSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path file = themeFolder / name / "apps/zephyrdex.png";
        std::filesystem::create_directories(file.parent_path());
        if (!image.save(QString::fromStdString(file.string()), "PNG")) {
            throw std::runtime_error("cannot write " + file.string());
        }
    }
}

} // namespace zephyr::pack
