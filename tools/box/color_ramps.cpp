#include "tools/box/color_ramps.h"

#include <cstdlib>
#include <cstring>

namespace {
struct RampScheme {
    const char* ramp;
    int count;
    const char* colors; // `count` colours, six hex digits each, red first
};

// Colours from ColorBrewer 2.0 (colorbrewer2.org) by Cynthia A. Brewer,
// Geography, Pennsylvania State University, published under the Apache
// License 2.0. Sequential and diverging ramps differ for each number of
// classes; a qualitative ramp for fewer classes is the start of its longest.
const RampScheme kSchemes[] = {
    {"YlOrRd", 3, "ffeda0feb24cf03b20"},
    {"YlOrRd", 4, "ffffb2fecc5cfd8d3ce31a1c"},
    {"YlOrRd", 5, "ffffb2fecc5cfd8d3cf03b20bd0026"},
    {"YlOrRd", 6, "ffffb2fed976feb24cfd8d3cf03b20bd0026"},
    {"YlOrRd", 7, "ffffb2fed976feb24cfd8d3cfc4e2ae31a1cb10026"},
    {"YlOrRd", 8, "ffffccffeda0fed976feb24cfd8d3cfc4e2ae31a1cb10026"},
    {"YlOrRd", 9, "ffffccffeda0fed976feb24cfd8d3cfc4e2ae31a1cbd0026800026"},
    {"YlGnBu", 3, "edf8b17fcdbb2c7fb8"},
    {"YlGnBu", 4, "ffffcca1dab441b6c4225ea8"},
    {"YlGnBu", 5, "ffffcca1dab441b6c42c7fb8253494"},
    {"YlGnBu", 6, "ffffccc7e9b47fcdbb41b6c42c7fb8253494"},
    {"YlGnBu", 7, "ffffccc7e9b47fcdbb41b6c41d91c0225ea80c2c84"},
    {"YlGnBu", 8, "ffffd9edf8b1c7e9b47fcdbb41b6c41d91c0225ea80c2c84"},
    {"YlGnBu", 9, "ffffd9edf8b1c7e9b47fcdbb41b6c41d91c0225ea8253494081d58"},
    {"Blues", 3, "deebf79ecae13182bd"},
    {"Blues", 4, "eff3ffbdd7e76baed62171b5"},
    {"Blues", 5, "eff3ffbdd7e76baed63182bd08519c"},
    {"Blues", 6, "eff3ffc6dbef9ecae16baed63182bd08519c"},
    {"Blues", 7, "eff3ffc6dbef9ecae16baed64292c62171b5084594"},
    {"Blues", 8, "f7fbffdeebf7c6dbef9ecae16baed64292c62171b5084594"},
    {"Blues", 9, "f7fbffdeebf7c6dbef9ecae16baed64292c62171b508519c08306b"},
    {"Greens", 3, "e5f5e0a1d99b31a354"},
    {"Greens", 4, "edf8e9bae4b374c476238b45"},
    {"Greens", 5, "edf8e9bae4b374c47631a354006d2c"},
    {"Greens", 6, "edf8e9c7e9c0a1d99b74c47631a354006d2c"},
    {"Greens", 7, "edf8e9c7e9c0a1d99b74c47641ab5d238b45005a32"},
    {"Greens", 8, "f7fcf5e5f5e0c7e9c0a1d99b74c47641ab5d238b45005a32"},
    {"Greens", 9, "f7fcf5e5f5e0c7e9c0a1d99b74c47641ab5d238b45006d2c00441b"},
    {"Reds", 3, "fee0d2fc9272de2d26"},
    {"Reds", 4, "fee5d9fcae91fb6a4acb181d"},
    {"Reds", 5, "fee5d9fcae91fb6a4ade2d26a50f15"},
    {"Reds", 6, "fee5d9fcbba1fc9272fb6a4ade2d26a50f15"},
    {"Reds", 7, "fee5d9fcbba1fc9272fb6a4aef3b2ccb181d99000d"},
    {"Reds", 8, "fff5f0fee0d2fcbba1fc9272fb6a4aef3b2ccb181d99000d"},
    {"Reds", 9, "fff5f0fee0d2fcbba1fc9272fb6a4aef3b2ccb181da50f1567000d"},
    {"Purples", 3, "efedf5bcbddc756bb1"},
    {"Purples", 4, "f2f0f7cbc9e29e9ac86a51a3"},
    {"Purples", 5, "f2f0f7cbc9e29e9ac8756bb154278f"},
    {"Purples", 6, "f2f0f7dadaebbcbddc9e9ac8756bb154278f"},
    {"Purples", 7, "f2f0f7dadaebbcbddc9e9ac8807dba6a51a34a1486"},
    {"Purples", 8, "fcfbfdefedf5dadaebbcbddc9e9ac8807dba6a51a34a1486"},
    {"Purples", 9, "fcfbfdefedf5dadaebbcbddc9e9ac8807dba6a51a354278f3f007d"},
    {"RdYlGn", 3, "fc8d59ffffbf91cf60"},
    {"RdYlGn", 4, "d7191cfdae61a6d96a1a9641"},
    {"RdYlGn", 5, "d7191cfdae61ffffbfa6d96a1a9641"},
    {"RdYlGn", 6, "d73027fc8d59fee08bd9ef8b91cf601a9850"},
    {"RdYlGn", 7, "d73027fc8d59fee08bffffbfd9ef8b91cf601a9850"},
    {"RdYlGn", 8, "d73027f46d43fdae61fee08bd9ef8ba6d96a66bd631a9850"},
    {"RdYlGn", 9, "d73027f46d43fdae61fee08bffffbfd9ef8ba6d96a66bd631a9850"},
    {"RdYlGn", 10, "a50026d73027f46d43fdae61fee08bd9ef8ba6d96a66bd631a9850006837"},
    {"RdYlGn", 11, "a50026d73027f46d43fdae61fee08bffffbfd9ef8ba6d96a66bd631a9850006837"},
    {"Spectral", 3, "fc8d59ffffbf99d594"},
    {"Spectral", 4, "d7191cfdae61abdda42b83ba"},
    {"Spectral", 5, "d7191cfdae61ffffbfabdda42b83ba"},
    {"Spectral", 6, "d53e4ffc8d59fee08be6f59899d5943288bd"},
    {"Spectral", 7, "d53e4ffc8d59fee08bffffbfe6f59899d5943288bd"},
    {"Spectral", 8, "d53e4ff46d43fdae61fee08be6f598abdda466c2a53288bd"},
    {"Spectral", 9, "d53e4ff46d43fdae61fee08bffffbfe6f598abdda466c2a53288bd"},
    {"Spectral", 10, "9e0142d53e4ff46d43fdae61fee08be6f598abdda466c2a53288bd5e4fa2"},
    {"Spectral", 11, "9e0142d53e4ff46d43fdae61fee08bffffbfe6f598abdda466c2a53288bd5e4fa2"},
    {"Set1", 9, "e41a1c377eb84daf4a984ea3ff7f00ffff33a65628f781bf999999"},
    {"Set3", 12, "8dd3c7ffffb3bebadafb807280b1d3fdb462b3de69fccde5d9d9d9bc80bdccebc5ffed6f"},
    {"Paired", 12, "a6cee31f78b4b2df8a33a02cfb9a99e31a1cfdbf6fff7f00cab2d66a3d9affff99b15928"},
    {"Dark2", 8, "1b9e77d95f027570b3e7298a66a61ee6ab02a6761d666666"},
};

const char* const kQualitative[] = {"Set1", "Set3", "Paired", "Dark2"};

COLORREF HexColor(const char* hex) {
    char digits[7] = {};
    std::memcpy(digits, hex, 6);
    unsigned long rgb = std::strtoul(digits, nullptr, 16);
    return static_cast<COLORREF>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

std::vector<COLORREF> SchemeColors(const RampScheme& scheme) {
    std::vector<COLORREF> colors;
    for (int i = 0; i < scheme.count; ++i)
        colors.push_back(HexColor(scheme.colors + 6 * i));
    return colors;
}

// The ramp's scheme for `count` classes, or failing that its shortest or
// its longest scheme.
const RampScheme* Scheme(const std::string& name, int count) {
    const RampScheme* shortest = nullptr;
    const RampScheme* longest = nullptr;
    for (const RampScheme& scheme : kSchemes) {
        if (name != scheme.ramp)
            continue;
        if (scheme.count == count)
            return &scheme;
        if (!shortest || scheme.count < shortest->count)
            shortest = &scheme;
        if (!longest || scheme.count > longest->count)
            longest = &scheme;
    }
    if (!shortest)
        return nullptr;
    return count < shortest->count ? shortest : longest;
}
} // namespace

std::string RampNames() {
    std::string names;
    for (const RampScheme& scheme : kSchemes)
        if (names.find(scheme.ramp) == std::string::npos)
            names += (names.empty() ? "" : ", ") + std::string(scheme.ramp);
    return names;
}

bool HasRamp(const std::string& name) {
    return Scheme(name, 0) != nullptr;
}

bool IsQualitativeRamp(const std::string& name) {
    for (const char* ramp : kQualitative)
        if (name == ramp)
            return true;
    return false;
}

int RampSize(const std::string& name) {
    const RampScheme* longest = Scheme(name, 1000);
    return longest ? longest->count : 0;
}

std::vector<COLORREF> RampColors(const std::string& name, int count) {
    const RampScheme* scheme = Scheme(name, count);
    if (!scheme || count <= 0)
        return std::vector<COLORREF>();
    std::vector<COLORREF> colors = SchemeColors(*scheme);
    if (count < scheme->count && !IsQualitativeRamp(name)) {
        std::vector<COLORREF> ends = {colors.front(), colors.back()};
        return std::vector<COLORREF>(ends.begin(), ends.begin() + count);
    }
    std::vector<COLORREF> repeated;
    for (int i = 0; i < count; ++i)
        repeated.push_back(colors[static_cast<size_t>(i) % colors.size()]);
    return repeated;
}
