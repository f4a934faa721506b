#include "parcels/attrs/kk_attr.h"

#include <algorithm>
#include <tuple>

void KkParcelKeys::AddLeftOut(unsigned oaza, std::string_view chiban) {
    left_.push_back(Left{leftText_.size(), static_cast<std::uint32_t>(chiban.size()), oaza});
    leftText_.append(chiban);
    sorted_ = false;
}

std::tuple<std::string_view, unsigned> KkParcelKeys::KeyOf(const Left& left) const {
    return {std::string_view(leftText_).substr(left.chiban, left.length), left.oaza};
}

void KkParcelKeys::Sort() const {
    if (sorted_)
        return;
    std::sort(left_.begin(), left_.end(),
              [this](const Left& a, const Left& b) { return KeyOf(a) < KeyOf(b); });
    sorted_ = true;
}

std::vector<KkParcelKeys::Left>::const_iterator KkParcelKeys::LowerBound(std::string_view chiban,
                                                                         unsigned oaza) const {
    Sort();
    return std::lower_bound(
        left_.begin(), left_.end(), std::make_tuple(chiban, oaza),
        [this](const Left& left, const std::tuple<std::string_view, unsigned>& key) {
            return KeyOf(left) < key;
        });
}

bool KkParcelKeys::FindLeftOut(const KkParcelKey& key, size_t& number) const {
    auto it = LowerBound(key.chiban, key.oaza);
    if (it == left_.end() || KeyOf(*it) != std::make_tuple(std::string_view(key.chiban), key.oaza))
        return false;
    number = static_cast<size_t>(it - left_.begin());
    return true;
}

bool KkParcelKeys::Has(const KkParcelKey& key) const {
    size_t number = 0;
    return painted_.count(key) || FindLeftOut(key, number);
}

bool KkParcelKeys::LeftOut(const KkParcelKey& key, size_t& number) const {
    return !painted_.count(key) && FindLeftOut(key, number);
}

size_t KkParcelKeys::LeftOutCount() const {
    Sort();
    return left_.size();
}

std::vector<unsigned> KkParcelKeys::OazaOf(const std::string& chiban) const {
    std::vector<unsigned> oazas;
    for (auto it = painted_.lower_bound(KkParcelKey{0, chiban});
         it != painted_.end() && it->chiban == chiban; ++it)
        oazas.push_back(it->oaza);
    for (auto it = LowerBound(chiban, 0); it != left_.end() && std::get<0>(KeyOf(*it)) == chiban;
         ++it)
        oazas.push_back(it->oaza);
    std::sort(oazas.begin(), oazas.end());
    oazas.erase(std::unique(oazas.begin(), oazas.end()), oazas.end());
    return oazas;
}
