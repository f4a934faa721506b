#include "host/lum_picker_face.h"

bool DrawPickerFace(const DRAWITEMSTRUCT& item, RECT& inside) {
    HDC hDC = item.hDC;
    RECT rect = item.rcItem;
    bool pushed = (item.itemState & ODS_SELECTED) != 0;
    bool enabled = (item.itemState & ODS_DISABLED) == 0;
    ::DrawFrameControl(hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    if (item.itemState & ODS_FOCUS) {
        RECT focus = rect;
        ::InflateRect(&focus, -3, -3);
        ::DrawFocusRect(hDC, &focus);
    }
    inside = rect;
    ::InflateRect(&inside, -5, -5);
    if (pushed)
        ::OffsetRect(&inside, 1, 1);
    if (::IsRectEmpty(&inside))
        return false;
    HBRUSH frame = ::CreateSolidBrush(enabled ? RGB(0, 0, 0) : ::GetSysColor(COLOR_GRAYTEXT));
    ::FrameRect(hDC, &inside, frame);
    ::DeleteObject(frame);
    ::InflateRect(&inside, -1, -1);
    return true;
}
