#include "ui/widgets/cell_list.h"

#include "data/byte_helpers.h"
#include "data/stored_picture.h"

namespace zephyr::ui {

QImage ToQImage(const Picture& picture) {
    if (picture.Width <= 0 || picture.Height <= 0) {
        return {};
    }
    QImage image(picture.Width, picture.Height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.Width; ++x) {
            line[x] = picture.At(x, y);
        }
    }
    return image;
}

QImage KeyedImage(const QImage& image, const QColor& key) {
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb rgb = key.rgb() & 0xFFFFFFu;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0xFFFFFFu) == rgb) {
                line[x] = 0;
            }
        }
    }
    return keyed;
}

QImage LoadInterfacePicture(const DataLocation& location, std::string_view storedPath) {
    return ToQImage(LoadStoredPicture(location, storedPath,
                                      PictureFormatOf(storedPath).value_or(PictureFormat::Jpeg)));
}

CellList CellList::FromImageList(const ImageList& list) {
    CellList cells(list.Width, list.Height);
    cells.cells_.reserve(list.Images.size());
    for (const Picture& picture : list.Images) {
        cells.cells_.push_back(ToQImage(picture));
    }
    return cells;
}

void CellList::Add(const QImage& picture, std::optional<QColor> transparent) {
    if (picture.isNull()) {
        return;
    }
    const QImage source = transparent ? KeyedImage(picture, *transparent)
                                      : picture.convertToFormat(QImage::Format_ARGB32);
    const int pieces = std::max(1, source.width() / width_);
    for (int piece = 0; piece < pieces; ++piece) {
        QImage cell(width_, height_, QImage::Format_ARGB32);
        cell.fill(Qt::transparent);
        QPainter painter(&cell);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, source, piece * width_, 0, width_, height_);
        painter.end();
        cells_.push_back(cell);
    }
}

const QImage* CellList::Cell(int index) const {
    return index >= 0 && index < Count() ? &cells_[static_cast<std::size_t>(index)] : nullptr;
}

QColor SelectionBlendColour() {
    return QColor(10, 36, 106);
}

void CellList::Draw(QPainter& painter, int index, int x, int y, bool blended) const {
    const QImage* cell = Cell(index);
    if (cell == nullptr) {
        return;
    }
    if (!blended) {
        painter.drawImage(x, y, *cell);
        return;
    }
    QImage mixed = *cell;
    QPainter over(&mixed);
    over.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    over.setOpacity(0.5);
    over.fillRect(mixed.rect(), SelectionBlendColour());
    over.end();
    painter.drawImage(x, y, mixed);
}

} // namespace zephyr::ui
