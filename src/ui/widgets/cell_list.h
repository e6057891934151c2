#pragma once

#include "data/data_location.h"
#include "data/image_list.h"
#include "data/picture.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <optional>
#include <string_view>
#include <vector>

namespace zephyr::ui {

QImage ToQImage(const Picture& picture);

// Pixels of exactly `key` become transparent (the masked image lists).
QImage KeyedImage(const QImage& image, const QColor& key);

// Decodes an interface picture by its stored path, the format taken from the
// extension. Throws PictureError naming the file when it cannot be read.
QImage LoadInterfacePicture(const DataLocation& location, std::string_view storedPath);

// The window's image lists: cells of one size, drawn opaque or through a
// transparent colour.
class CellList {
public:
    CellList(int width, int height) : width_(width), height_(height) {}
    static CellList FromImageList(const ImageList& list);

    // A picture wider than a cell is split into several cells; a smaller
    // one sits in the top-left corner of a transparent cell.
    void Add(const QImage& picture, std::optional<QColor> transparent = std::nullopt);
    void Clear() { cells_.clear(); }

    int Count() const { return static_cast<int>(cells_.size()); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const QImage* Cell(int index) const;

    // Draws cell `index` (nothing when out of range). `blended` is the
    // list's selected style: the picture mixed half and half with the
    // highlight colour.
    void Draw(QPainter& painter, int index, int x, int y, bool blended = false) const;

private:
    int width_;
    int height_;
    std::vector<QImage> cells_;
};

// The highlight colour the selected style blends with.
QColor SelectionBlendColour();

} // namespace zephyr::ui
