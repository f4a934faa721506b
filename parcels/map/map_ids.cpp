#include "parcels/map/map_ids.h"

#include <algorithm>

std::uint32_t IdTable::Slot(std::string_view id) {
    std::uint32_t number = 0;
    size_t digits = Digits(id, number);
    std::vector<std::uint32_t>* numbers = digits ? &Numbers(id, digits) : nullptr;
    if (numbers && number < numbers->size() && (*numbers)[number] != kEmpty)
        return (*numbers)[number];
    std::uint32_t slot = 0;
    if (FindHashed(id, slot))
        return slot;
    slot = slots_++;
    // Numbers far beyond those seen would make the array mostly empty.
    if (numbers && number < numbers->size() + kDenseReach) {
        if (number >= numbers->size())
            numbers->resize(number + 1, kEmpty);
        (*numbers)[number] = slot;
        return slot;
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
    if (size_t digits = Digits(id, number)) {
        const std::vector<std::uint32_t>& numbers = Numbers(id, digits);
        if (number < numbers.size() && numbers[number] != kEmpty) {
            slot = numbers[number];
            return true;
        }
    }
    return FindHashed(id, slot);
}

bool IdTable::FindHashed(std::string_view id, std::uint32_t& slot) const {
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

// The count of the one to nine digits that end `id`, and their number; 0
// for an id without them.
size_t IdTable::Digits(std::string_view id, std::uint32_t& number) {
    size_t digits = 0;
    std::uint32_t value = 0, place = 1;
    for (size_t i = id.size(); i > 0 && digits < 10; --i, ++digits) {
        unsigned digit = static_cast<unsigned char>(id[i - 1]) - unsigned('0');
        if (digit > 9)
            break;
        value += digit * place;
        place *= 10;
    }
    if (digits == 10)
        return 0;
    number = value;
    return digits;
}

// The array of the id's prefix and count of digits, which belongs to the
// prefix, so that P01 and P1 stay apart. Ids come in runs of one prefix.
std::vector<std::uint32_t>& IdTable::Numbers(std::string_view id, size_t digits) {
    std::string_view prefix = id.substr(0, id.size() - digits);
    if (!numbers_.empty() && digits == lastDigits_ && prefix == lastPrefix_)
        return numbers_[last_];
    std::string key(prefix);
    key += static_cast<char>('0' + digits);
    auto found = prefixes_.try_emplace(key, numbers_.size());
    if (found.second)
        numbers_.emplace_back();
    lastPrefix_.assign(prefix.data(), prefix.size());
    lastDigits_ = digits;
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
