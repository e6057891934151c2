#include "ui/calculator/ticker.h"

#include <gtest/gtest.h>

#include <deque>

namespace zephyr::ui {
namespace {

// Four pixels a character; the label is 40 pixels wide.
int Width(const std::string& text) {
    return 4 * static_cast<int>(text.size());
}

class ScriptedRandom {
public:
    explicit ScriptedRandom(std::deque<int> values) : values_(std::move(values)) {}
    int operator()(int count) {
        // Past the script it counts up, so a redraw always ends.
        const int value = values_.empty() ? next_++ : values_.front();
        if (!values_.empty()) {
            values_.pop_front();
        }
        return value % count;
    }

private:
    std::deque<int> values_;
    int next_ = 0;
};

TEST(Ticker, TypesInThenPadsOneSpaceAStep) {
    Ticker ticker(Width, ScriptedRandom({0}), 40);
    ticker.Load({"0123456789"});
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(ticker.Step(), std::string("0123456789").substr(0, static_cast<std::size_t>(p)));
    }
    EXPECT_EQ(ticker.Step(), "0123456789 ");
    EXPECT_EQ(ticker.Step(), "0123456789  ");
}

TEST(Ticker, OneLineStartsAgainOnceItsPaddingIsWiderThanTheLabel) {
    Ticker ticker(Width, ScriptedRandom({0}), 40);
    ticker.Load({"ab"});
    std::string text;
    int steps = 0;
    // Padding of 11 spaces (44 px) is the first wider than 40 px: p = 13.
    while (steps < 13) {
        text = ticker.Step();
        ++steps;
    }
    EXPECT_EQ(text, "ab" + std::string(11, ' '));
    EXPECT_EQ(ticker.Step(), "a"); // p was set to 0 and counted up to 1
    EXPECT_EQ(ticker.CurrentLine(), 0);
}

TEST(Ticker, TwoLinesAlternateStrictly) {
    // The random source offers the current line again first; it is redrawn.
    Ticker ticker(Width, ScriptedRandom({0, 0, 0, 1, 1, 1, 0}), 8);
    ticker.Load({"x", "y"});
    std::vector<int> order;
    for (int step = 0; step < 40; ++step) {
        if (ticker.Step().empty()) {
            continue;
        }
        if (order.empty() || order.back() != ticker.CurrentLine()) {
            order.push_back(ticker.CurrentLine());
        }
    }
    ASSERT_GE(order.size(), 3u);
    for (std::size_t i = 1; i < order.size(); ++i) {
        EXPECT_NE(order[i], order[i - 1]);
    }
}

TEST(Ticker, RestartBeginsAtTheFirstCharacterOfAnyLine) {
    Ticker ticker(Width, ScriptedRandom({1, 1}), 40);
    ticker.Load({"first", "second"});
    ticker.Step();
    ticker.Step();
    ticker.Restart();
    EXPECT_EQ(ticker.CurrentLine(), 1);
    EXPECT_EQ(ticker.Step(), "s");
}

TEST(Ticker, WithoutLinesTheLabelStaysEmpty) {
    Ticker ticker(Width, ScriptedRandom({}), 40);
    ticker.Load({});
    EXPECT_TRUE(ticker.Empty());
    EXPECT_EQ(ticker.Step(), "");
}

} // namespace
} // namespace zephyr::ui
