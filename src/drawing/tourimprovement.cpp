#include "drawing/tourimprovement.h"

#include <algorithm>
#include <deque>

namespace {

constexpr double kGain = 1e-9; // a move must gain more than this

class TourImprover {
public:
    TourImprover(std::vector<int>& tour, const std::vector<TourEnd>& ends, const TourEnd& home,
                 const TravelPrice& price, const NeighbourLists& near)
        : tour_(tour), ends_(ends), home_(home), price_(price), near_(near), n_(int(tour.size())) {
        open_.open = true;
        pos_.resize(tour.size());
        queued_.assign(tour.size(), 1);
        for (int i = 0; i < n_; ++i)
            pos_[size_t(tour[size_t(i)] / 2)] = i;
        // The stops beside the longest travels first: their moves gain most.
        std::vector<std::pair<double, int>> order(tour.size());
        for (int i = 0; i < n_; ++i)
            order[size_t(i)] = {-std::max(price(out(i - 1), in(i)), price(out(i), in(i + 1))), i};
        std::sort(order.begin(), order.end());
        for (const auto& [length, i] : order)
            queue_.push_back(tour[size_t(i)] / 2);
    }

    qsizetype run(std::chrono::steady_clock::time_point deadline) {
        qsizetype moves = 0;
        for (qsizetype pops = 0; !queue_.empty(); ++pops) {
            if ((pops & 127) == 0 && std::chrono::steady_clock::now() > deadline)
                break;
            const int path = queue_.front();
            queue_.pop_front();
            queued_[size_t(path)] = 0;
            const int i = pos_[size_t(path)];
            if (twoOptOut(i) || twoOptIn(i) || orOpt(i)) {
                ++moves;
                push(path);
            }
        }
        return moves;
    }

private:
    const TourEnd& out(int i) const { return i < 0 ? home_ : ends_[size_t(tour_[size_t(i)] ^ 1)]; }
    const TourEnd& in(int i) const { return i >= n_ ? open_ : ends_[size_t(tour_[size_t(i)])]; }
    // Whether the tour leaves the stop at j by end `id`.
    bool leavesAt(int j, int id) const { return (tour_[size_t(j)] ^ 1) == id; }
    double price(const TourEnd& a, const TourEnd& b) const { return price_(a, b); }
    // The neighbours of end `id`, and whether a neighbour priced at or
    // above a bound ends the search (the lists are nearest first).
    const int* neighbours(int id) const {
        return near_.ends.data() + size_t(id) * size_t(near_.perEnd);
    }
    bool sortedByPrice() const { return !price_.byJoints(); }
    int endId(int i, bool last) const { return tour_[size_t(i)] ^ (last ? 1 : 0); }
    void push(int path) {
        if (!queued_[size_t(path)])
            queued_[size_t(path)] = 1, queue_.push_back(path);
    }
    void pushAt(int i) {
        if (i >= 0 && i < n_)
            push(tour_[size_t(i)] / 2);
    }
    void reverse(int from, int to);
    void moveRun(int from, int length, int after, bool reversed);
    bool twoOptOut(int i);
    bool twoOptIn(int i);
    bool orOpt(int i);
    bool orOptRun(int i, int length);

    std::vector<int>& tour_; // per place, 2 * path, plus 1 when drawn backwards
    const std::vector<TourEnd>& ends_;
    const TourEnd home_;
    const TravelPrice& price_;
    const NeighbourLists& near_;
    const int n_;
    TourEnd open_;
    std::vector<int> pos_; // per path, its place in the tour
    std::deque<int> queue_;
    std::vector<char> queued_;
};

// Stops from..to (inclusive) in the opposite order, each drawn the other way.
void TourImprover::reverse(int from, int to) {
    std::reverse(tour_.begin() + from, tour_.begin() + to + 1);
    for (int k = from; k <= to; ++k) {
        tour_[size_t(k)] ^= 1;
        pos_[size_t(tour_[size_t(k)] / 2)] = k;
    }
}

// The run of `length` stops at `from` taken out and put back after the stop
// now at `after` (-1: at the front), outside the run.
void TourImprover::moveRun(int from, int length, int after, bool reversed) {
    auto at = [&](int k) { return tour_.begin() + k; };
    int first, last, placed;
    if (after > from) {
        std::rotate(at(from), at(from + length), at(after + 1));
        first = from, last = after, placed = after + 1 - length;
    } else {
        std::rotate(at(after + 1), at(from), at(from + length));
        first = after + 1, last = from + length - 1, placed = after + 1;
    }
    if (reversed) {
        std::reverse(at(placed), at(placed + length));
        for (int k = placed; k < placed + length; ++k)
            tour_[size_t(k)] ^= 1;
    }
    for (int k = first; k <= last; ++k)
        pos_[size_t(tour_[size_t(k)] / 2)] = k;
}

// The travel out of stop i, replaced by a travel to a near end c where the
// tour leaves another stop j: reversing the stops between joins i to c.
bool TourImprover::twoOptOut(int i) {
    const TourEnd& a = out(i);
    const TourEnd& b = in(i + 1);
    const double before = price(a, b);
    const int* list = neighbours(endId(i, true));
    for (int k = 0; k < near_.perEnd && list[k] >= 0; ++k) {
        const int j = pos_[size_t(list[k] / 2)];
        const TourEnd& c = ends_[size_t(list[k])];
        const double joined = price(a, c);
        if (joined >= before) {
            if (sortedByPrice())
                break;
            continue;
        }
        if (!leavesAt(j, list[k]) || j == i)
            continue;
        if (j > i) { // i, [i+1 .. j], j+1  ->  i, [j .. i+1], j+1
            const double delta = joined + price(b, in(j + 1)) - before - price(c, in(j + 1));
            if (delta < -kGain) {
                pushAt(i + 1), pushAt(j), pushAt(j + 1);
                reverse(i + 1, j);
                return true;
            }
        } else { // j, [j+1 .. i], i+1  ->  j, [i .. j+1], i+1
            const double delta = joined + price(in(j + 1), b) - before - price(c, in(j + 1));
            if (delta < -kGain) {
                pushAt(j), pushAt(j + 1), pushAt(i + 1);
                reverse(j + 1, i);
                return true;
            }
        }
    }
    return false;
}

// The travel into stop i, replaced by a travel from a near end c where the
// tour enters another stop j.
bool TourImprover::twoOptIn(int i) {
    const TourEnd& a = out(i - 1);
    const TourEnd& b = in(i);
    const double before = price(a, b);
    const int* list = neighbours(endId(i, false));
    for (int k = 0; k < near_.perEnd && list[k] >= 0; ++k) {
        const int j = pos_[size_t(list[k] / 2)];
        const TourEnd& c = ends_[size_t(list[k])];
        const double joined = price(c, b);
        if (joined >= before) {
            if (sortedByPrice())
                break;
            continue;
        }
        if (leavesAt(j, list[k]) || j == i)
            continue;
        if (j < i) { // j-1, [j .. i-1], i  ->  j-1, [i-1 .. j], i
            const double delta = joined + price(out(j - 1), a) - before - price(out(j - 1), c);
            if (delta < -kGain) {
                pushAt(j - 1), pushAt(j), pushAt(i - 1);
                reverse(j, i - 1);
                return true;
            }
        } else { // i-1, [i .. j-1], j  ->  i-1, [j-1 .. i], j
            const double delta = joined + price(a, out(j - 1)) - before - price(out(j - 1), c);
            if (delta < -kGain) {
                pushAt(i - 1), pushAt(j - 1), pushAt(j);
                reverse(i, j - 1);
                return true;
            }
        }
    }
    return false;
}

bool TourImprover::orOpt(int i) {
    for (int length = 1; length <= 3; ++length) {
        if (i + length <= n_ && orOptRun(i, length))
            return true;
    }
    return false;
}

// The run i .. i+length-1 moved next to a stop near one of its ends.
bool TourImprover::orOptRun(int i, int length) {
    const int e = i + length - 1;
    const TourEnd& runIn = in(i);
    const TourEnd& runOut = out(e);
    const double gain =
        price(out(i - 1), runIn) + price(runOut, in(e + 1)) - price(out(i - 1), in(e + 1));
    if (gain <= kGain)
        return false;
    for (const bool fromOut : {false, true}) {
        const TourEnd& end = fromOut ? runOut : runIn;
        const int* list = neighbours(endId(fromOut ? e : i, fromOut));
        for (int k = 0; k < near_.perEnd && list[k] >= 0; ++k) {
            const int j = pos_[size_t(list[k] / 2)];
            if (j >= i && j <= e)
                continue;
            const bool leaves = leavesAt(j, list[k]);
            const TourEnd& c = ends_[size_t(list[k])];
            const double joined = price(end, c);
            if (joined >= gain) {
                if (sortedByPrice())
                    break;
                continue;
            }
            // Where the run goes: between j and j+1 (c where j is left) or
            // between j-1 and j (c where j is entered).
            const int after = leaves ? j : j - 1;
            if (after == i - 1 || after == e)
                continue;
            const TourEnd& p = out(after);
            const TourEnd& q = in(after + 1);
            // The run enters at runIn unless the near end joins it the other way.
            const bool reversed = leaves == fromOut;
            const TourEnd& enter = reversed ? runOut : runIn;
            const TourEnd& leave = reversed ? runIn : runOut;
            const double added = price(p, enter) + price(leave, q) - price(p, q);
            if (added - gain < -kGain) {
                pushAt(i - 1), pushAt(e + 1), pushAt(after), pushAt(after + 1);
                moveRun(i, length, after, reversed);
                return true;
            }
        }
    }
    return false;
}

} // namespace

qsizetype ImproveTour(std::vector<int>& tour, const std::vector<TourEnd>& ends, const TourEnd& home,
                      const TravelPrice& price, const NeighbourLists& near,
                      std::chrono::steady_clock::time_point deadline) {
    if (tour.size() < 2)
        return 0;
    TourImprover improver(tour, ends, home, price, near);
    return improver.run(deadline);
}
