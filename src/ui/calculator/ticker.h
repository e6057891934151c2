#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zephyr::ui {

// The running line's stepping, apart from any widget: each step gives the
// text of the right-aligned label. Texts are Windows-1251, one byte a
// character.
class Ticker {
public:
    // Pixel width of a text in the label's font.
    using MeasureFunction = std::function<int(const std::string& text)>;
    // A uniform index in 0 .. count - 1.
    using RandomFunction = std::function<int(int count)>;

    Ticker(MeasureFunction measure, RandomFunction random, int labelWidth = 417);

    void SetRandom(RandomFunction random) { random_ = std::move(random); }

    // Takes the lines and starts on a random one from its first character.
    void Load(std::vector<std::string> lines);
    // The switch button turned the line back on: any line, the same allowed.
    void Restart();

    // One display step; returns the label's new text. Without lines the
    // label stays empty.
    std::string Step();

    bool Empty() const { return lines_.empty(); }
    int CurrentLine() const { return current_; }
    int Position() const { return position_; }

private:
    MeasureFunction measure_;
    RandomFunction random_;
    int labelWidth_;
    std::vector<std::string> lines_;
    int current_ = 0;
    int position_ = 1;
};

} // namespace zephyr::ui
