#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// How one of the map's area lists changed in one step, stored as the stretch that differs
// and nothing else, so that a step costs memory in proportion to what it changed.
//
// A list is [slot 0][areas 1..count][the spare, once the list has been grown]. The slot is
// the clipboard, which no step undoes; the areas are compared by their common start and
// end, so deleting area 3 of 30,000 stores area 3 alone; the spare is kept apart because
// deleting or adding an area changes it too. Same decides which differences count.
template <typename T, typename Same = std::equal_to<T>> class ListChange {
public:
    static ListChange Between(
        const std::vector<T>& before, size_t countBefore, const std::vector<T>& after, size_t countAfter)
    {
        const size_t endBefore = std::min(countBefore + 1, before.size());
        const size_t endAfter = std::min(countAfter + 1, after.size());
        // The slot is left out, unless a list does not have it yet.
        size_t head = std::min<size_t>(1, std::min(endBefore, endAfter));
        const Same same;
        while (head < endBefore && head < endAfter && same(before[head], after[head]))
            ++head;
        size_t tail = 0;
        while (head + tail < endBefore && head + tail < endAfter
            && same(before[endBefore - 1 - tail], after[endAfter - 1 - tail]))
            ++tail;
        ListChange change;
        change.m_start = head;
        change.m_removed.assign(before.begin() + head, before.begin() + (endBefore - tail));
        change.m_inserted.assign(after.begin() + head, after.begin() + (endAfter - tail));
        std::optional<T> spareBefore = SpareOf(before, endBefore);
        std::optional<T> spareAfter = SpareOf(after, endAfter);
        change.m_spareChanged
            = spareBefore.has_value() != spareAfter.has_value() || (spareBefore && !same(*spareBefore, *spareAfter));
        if (change.m_spareChanged) {
            change.m_spareBefore = std::move(spareBefore);
            change.m_spareAfter = std::move(spareAfter);
        }
        return change;
    }

    bool IsEmpty() const { return m_removed.empty() && m_inserted.empty() && !m_spareChanged; }

    // Turns the list as it was before the step into the list after it (forward), or back.
    void Apply(std::vector<T>& list, size_t countNow, bool forward) const
    {
        const std::vector<T>& out = forward ? m_removed : m_inserted;
        const std::vector<T>& in = forward ? m_inserted : m_removed;
        const size_t end = std::min(countNow + 1, list.size());
        if (m_spareChanged && list.size() > end)
            list.erase(list.begin() + end, list.end());
        list.erase(list.begin() + m_start, list.begin() + m_start + out.size());
        list.insert(list.begin() + m_start, in.begin(), in.end());
        const std::optional<T>& spare = forward ? m_spareAfter : m_spareBefore;
        if (m_spareChanged && spare)
            list.push_back(*spare);
    }

    // Two steps on the same stretch of the same list (a run of nudges of one area, the
    // typing in one box) make one step from the first's start to the second's end; false
    // when they cannot.
    bool Absorb(const ListChange& next)
    {
        const Same same;
        if (next.m_start != m_start || m_spareChanged || next.m_spareChanged
            || !std::equal(next.m_removed.begin(), next.m_removed.end(), m_inserted.begin(), m_inserted.end(), same))
            return false;
        m_inserted = next.m_inserted;
        return true;
    }

    size_t Start() const { return m_start; }
    const std::vector<T>& Removed() const { return m_removed; }
    const std::vector<T>& Inserted() const { return m_inserted; }

private:
    static std::optional<T> SpareOf(const std::vector<T>& list, size_t end)
    {
        return list.size() > end ? std::optional<T>(list[end]) : std::nullopt;
    }

    size_t m_start = 1;
    std::vector<T> m_removed;
    std::vector<T> m_inserted;
    std::optional<T> m_spareBefore;
    std::optional<T> m_spareAfter;
    bool m_spareChanged = false;
};
