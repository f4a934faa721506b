#include "parcels/map/map_ids.h"

#include <algorithm>

std::uint32_t IdTable::Slot(std::string_view id) {
    std::uint32_t slot = 0;
    if (Find(id, slot))
        return slot;
    slot = slots_++;
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
    if ((names_.size() + 1) * 2 > cells_.size())
        Grow();
    Place(Cell{Hash(id), slot, static_cast<std::uint32_t>(names_.size())});
    names_.push_back(static_cast<std::uint32_t>(text_.size()));
    text_.append(id.data(), id.size());
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
        if (cell.hash == hash && Name(cell.name) == id) {
            slot = cell.slot;
            return true;
        }
    }
}

std::string IdTable::NameOf(std::uint32_t slot) const {
    for (const Cell& cell : cells_)
        if (cell.slot == slot)
            return std::string(Name(cell.name));
    for (const auto& prefix : prefixes_) {
        const std::vector<std::uint32_t>& numbers = numbers_[prefix.second];
        auto at = std::find(numbers.begin(), numbers.end(), slot);
        if (at == numbers.end())
            continue;
        const std::string& key = prefix.first;
        std::string digits = std::to_string(at - numbers.begin());
        size_t width = static_cast<size_t>(key.back() - '0');
        return key.substr(0, key.size() - 1) +
               std::string(width - std::min(width, digits.size()), '0') + digits;
    }
    return std::string();
}

std::string_view IdTable::Name(std::uint32_t name) const {
    size_t start = names_[name];
    size_t end = name + 1 < names_.size() ? names_[name + 1] : text_.size();
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

void IdTable::Place(const Cell& cell) {
    size_t mask = cells_.size() - 1;
    size_t i = cell.hash & mask;
    while (cells_[i].slot != kEmpty)
        i = (i + 1) & mask;
    cells_[i] = cell;
}

void IdTable::Grow() {
    std::vector<Cell> old(std::max<size_t>(1024, cells_.size() * 2), Cell{0, kEmpty, 0});
    old.swap(cells_);
    for (const Cell& cell : old)
        if (cell.slot != kEmpty)
            Place(cell);
}
