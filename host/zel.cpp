#include "host/zel.h"

const char* ZelAttr::GetLayerLabel(int layer) const {
    return layer >= 0 && layer < GetLayerCnt() ? m_layers[layer].c_str() : "";
}

int ZelAttr::AddLayer(const char* label) {
    m_layers.emplace_back(label ? label : "");
    return GetLayerCnt() - 1;
}

COLORREF ZelAttr::GetColor(int number) const {
    return number >= 0 && number < GetColorCnt() ? m_colors[number] : 0;
}

int ZelAttr::AddColor(COLORREF rgb) {
    m_colors.push_back(rgb);
    return GetColorCnt() - 1;
}
