// The map reader's table of the ids of one kind of geometry, numbered in
// order of first mention. A map of a whole district holds millions of ids,
// mostly a fixed prefix and a running number (P000123): such ids are found by
// their number in an array per prefix, which keeps ids defined and used near
// each other near each other in memory, and their texts are not kept, as a
// message can write them again. Other ids go through an open-addressing hash
// table and keep their texts end to end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class IdTable {
public:
    // The slot of `id`, given it a new one when it is first mentioned.
    std::uint32_t Slot(std::string_view id);

    // The slot of `id` when it has been mentioned.
    bool Find(std::string_view id, std::uint32_t& slot);

    // The id of a slot, for messages; slow for numbered ids.
    std::string NameOf(std::uint32_t slot) const;

    void Clear() { *this = IdTable(); }

private:
    static constexpr std::uint32_t kEmpty = UINT32_MAX;
    static constexpr size_t kDenseReach = 4096;

    struct Cell {
        std::uint32_t hash;
        std::uint32_t slot;
        std::uint32_t name; // in names_
    };

    bool FindHashed(std::string_view id, std::uint32_t& slot) const;
    static size_t Digits(std::string_view id, std::uint32_t& number);
    std::vector<std::uint32_t>& Numbers(std::string_view id, size_t digits);
    static std::uint32_t Hash(std::string_view id);
    std::string_view Name(std::uint32_t name) const;
    void Place(const Cell& cell);
    void Grow();

    std::uint32_t slots_ = 0;
    std::unordered_map<std::string, size_t> prefixes_; // prefix and digit count
    std::vector<std::vector<std::uint32_t>> numbers_;
    std::string lastPrefix_;
    size_t lastDigits_ = 0, last_ = 0;
    std::vector<Cell> cells_;
    std::vector<std::uint32_t> names_; // where each hashed id starts in text_
    std::string text_;
};
