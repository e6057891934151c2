#include "selection_order.h"

#include <numeric>
#include <utility>

namespace zephyr {
namespace {

// A tournament tree over positions that answers "first position of the
// smallest rank among the positions still open" at its root. Positions are
// closed once sorted, so the root always covers exactly p..n-1.
class FirstMinimumTree {
public:
    FirstMinimumTree(std::span<const std::uint32_t> ranks, const std::vector<std::size_t>& at)
        : ranks_(ranks), at_(at) {
        while (leaves_ < at.size()) {
            leaves_ *= 2;
        }
        nodes_.assign(2 * leaves_, kClosed);
        for (std::size_t p = 0; p < at.size(); ++p) {
            nodes_[leaves_ + p] = p;
        }
        for (std::size_t node = leaves_ - 1; node >= 1; --node) {
            nodes_[node] = Better(nodes_[2 * node], nodes_[2 * node + 1]);
        }
    }

    std::size_t FirstMinimum() const { return nodes_[1]; }

    void Close(std::size_t position) { Set(position, kClosed); }

    // The element at the position changed; its rank is read again.
    void Refresh(std::size_t position) { Set(position, position); }

private:
    static constexpr std::size_t kClosed = static_cast<std::size_t>(-1);

    void Set(std::size_t position, std::size_t value) {
        std::size_t node = leaves_ + position;
        nodes_[node] = value;
        for (node /= 2; node >= 1; node /= 2) {
            nodes_[node] = Better(nodes_[2 * node], nodes_[2 * node + 1]);
        }
    }

    // The smaller rank; on equal ranks the earlier position, as the sort's
    // strict "greater than" test keeps the first minimum it meets.
    std::size_t Better(std::size_t a, std::size_t b) const {
        if (a == kClosed) {
            return b;
        }
        if (b == kClosed) {
            return a;
        }
        const std::uint32_t ra = ranks_[at_[a]];
        const std::uint32_t rb = ranks_[at_[b]];
        return rb < ra || (rb == ra && b < a) ? b : a;
    }

    std::span<const std::uint32_t> ranks_;
    const std::vector<std::size_t>& at_; // original element at each position
    std::size_t leaves_ = 1;
    std::vector<std::size_t> nodes_;
};

} // namespace

std::vector<std::size_t> SelectionSortOrder(std::span<const std::uint32_t> ranks) {
    std::vector<std::size_t> at(ranks.size());
    std::iota(at.begin(), at.end(), std::size_t{0});
    if (at.size() < 2) {
        return at;
    }
    FirstMinimumTree tree(ranks, at);
    for (std::size_t p = 0; p < at.size(); ++p) {
        const std::size_t m = tree.FirstMinimum();
        std::swap(at[p], at[m]);
        tree.Close(p);
        if (m != p) {
            tree.Refresh(m);
        }
    }
    return at;
}

} // namespace zephyr
