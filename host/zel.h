// The host's drawing model, as far as the library reads it: the drawing's
// attribute set with its layer table and its colour table.
#pragma once

#include "afx/afx.h"
#include "velmora_api.h"

#include <string>
#include <vector>

class VELMORA_API ZelAttr {
public:
    int GetLayerCnt() const { return static_cast<int>(m_layers.size()); }
    // The NUL-terminated label of a layer; empty for a number outside the table.
    const char* GetLayerLabel(int layer) const;
    int AddLayer(const char* label);

    int GetColorCnt() const { return static_cast<int>(m_colors.size()); }
    // The RGB value of a colour number (red in the lowest byte); 0 outside the table.
    COLORREF GetColor(int number) const;
    int AddColor(COLORREF rgb);

private:
    std::vector<std::string> m_layers;
    std::vector<COLORREF> m_colors;
};

class VELMORA_API ZEL {
public:
    ZelAttr& Attr() { return m_attr; }

private:
    ZelAttr m_attr;
};
