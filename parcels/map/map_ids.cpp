#include "parcels/map/map_ids.h"

#include <algorithm>

std::uint32_t IdTable::Slot(std::string_view id) {
    std::uint32_t slot = 0;
    if (Find(id, slot))
        return slot;
    slot = static_cast<std::uint32_t>(starts_.size());
    starts_.push_back(static_cast<std::uint32_t>(text_.size()));
    text_.append(id.data(), id.size());
    std::uint32_t number = 0;
    if (Split(id, number)) {
        std::vector<std::uint32_t>& numbers = Numbers();
        // Numbers far beyond those seen would make the array mostly empty.
        if (number < numbers.size() + kDenseReach) {
            if (number >= numbers.size())
                numbers.resize(number + 1, kEmpty);
            numbers[number] = slot;
            return slot;
        }
    }
    if ((hashed_ + 1) * 2 > cells_.size())
        Grow();
    Place(Hash(id), slot);
    ++hashed_;
    return slot;
}

bool IdTable::Find(std::string_view id, std::uint32_t& slot) {
    std::uint32_t number = 0;
    if (Split(id, number)) {
        const std::vector<std::uint32_t>& numbers = Numbers();
        if (number < numbers.size() && numbers[number] != kEmpty) {
            slot = numbers[number];
            return true;
        }
    }
    if (cells_.empty())
        return false;
    std::uint32_t hash = Hash(id);
    size_t mask = cells_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Cell& cell = cells_[i];
        if (cell.slot == kEmpty)
            return false;
        if (cell.hash == hash && NameOf(cell.slot) == id) {
            slot = cell.slot;
            return true;
        }
    }
}

std::string_view IdTable::NameOf(std::uint32_t slot) const {
    size_t start = starts_[slot];
    size_t end = slot + 1 < starts_.size() ? starts_[slot + 1] : text_.size();
    return std::string_view(text_).substr(start, end - start);
}

// An id of a prefix and one to nine digits. The number of digits belongs to
// the prefix, so that P01 and P1 stay apart.
bool IdTable::Split(std::string_view id, std::uint32_t& number) {
    size_t digits = 0;
    while (digits < id.size() && digits < 10 && id[id.size() - 1 - digits] >= '0' &&
           id[id.size() - 1 - digits] <= '9')
        ++digits;
    if (digits == 0 || digits == 10)
        return false;
    key_.assign(id.data(), id.size() - digits);
    key_ += static_cast<char>('0' + digits);
    number = 0;
    for (char c : id.substr(id.size() - digits))
        number = number * 10 + static_cast<std::uint32_t>(c - '0');
    return true;
}

// The array of the prefix in key_.
std::vector<std::uint32_t>& IdTable::Numbers() {
    if (!numbers_.empty() && lastKey_ == key_)
        return numbers_[last_];
    auto found = prefixes_.try_emplace(key_, numbers_.size());
    if (found.second)
        numbers_.emplace_back();
    lastKey_ = key_;
    last_ = found.first->second;
    return numbers_[last_];
}

// FNV-1a.
std::uint32_t IdTable::Hash(std::string_view id) {
    std::uint32_t hash = 2166136261u;
    for (char c : id)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

void IdTable::Place(std::uint32_t hash, std::uint32_t slot) {
    size_t mask = cells_.size() - 1;
    size_t i = hash & mask;
    while (cells_[i].slot != kEmpty)
        i = (i + 1) & mask;
    cells_[i] = Cell{hash, slot};
}

void IdTable::Grow() {
    std::vector<Cell> old(std::max<size_t>(1024, cells_.size() * 2), Cell{0, kEmpty});
    old.swap(cells_);
    for (const Cell& cell : old)
        if (cell.slot != kEmpty)
            Place(cell.hash, cell.slot);
}
