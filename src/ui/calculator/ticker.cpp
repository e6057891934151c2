#include "ui/calculator/ticker.h"

namespace zephyr::ui {

Ticker::Ticker(MeasureFunction measure, RandomFunction random, int labelWidth)
    : measure_(std::move(measure)), random_(std::move(random)), labelWidth_(labelWidth) {}

void Ticker::Load(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    Restart();
}

void Ticker::Restart() {
    current_ = lines_.empty() ? 0 : random_(static_cast<int>(lines_.size()));
    position_ = 1;
}

std::string Ticker::Step() {
    if (lines_.empty()) {
        return {};
    }
    const std::string& line = lines_[static_cast<std::size_t>(current_)];
    const int length = static_cast<int>(line.size());
    const int p = position_;
    std::string shown = p <= 0 ? std::string() : line.substr(0, static_cast<std::size_t>(p));
    std::string pad;
    if (length < p) {
        pad.assign(static_cast<std::size_t>(p - length), ' ');
    }
    if (measure_(pad) > labelWidth_) {
        const int count = static_cast<int>(lines_.size());
        if (count > 1) {
            int next = current_;
            while (next == current_) {
                next = random_(count);
            }
            current_ = next;
        }
        position_ = 0;
    }
    ++position_;
    return shown + pad;
}

} // namespace zephyr::ui
