#include "ui/new_brs_condition.h"
#include "host/vmessagebox.h"
#include "model/cond_text.h"
#include "model/zok_catalogue.h"
#include "ui/brs_frto_dlg.h"
#include "ui/brs_only_dlg.h"

#include <cstring>

namespace {

void TakeText(CVObjBrs& brs, const CString& text) {
    brs.BNm = text;
    std::strncpy(brs.ZVal.ZText.Text, text, VELMORA_ZTEXT_MAX);
    brs.ZVal.ZText.Text[VELMORA_ZTEXT_MAX] = '\0';
}

BOOL AskOnly(CWnd* pParent, WORD zty, BYTE mode, CVObjBrs& brs) {
    CBrsOnlyDlg dlg(pParent, zty, mode);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    brs.ZVal.Zty = zty;
    if (mode == 1) {
        brs.BNm = dlg.m_strText;
        brs.ZVal.ZCode.Code = dlg.m_dwCode;
    } else if (zty == ZOK_FREE) {
        brs.BNm = dlg.m_strText; // a free brush carries only its name
    } else {
        TakeText(brs, dlg.m_strText);
    }
    return TRUE;
}

BOOL AskFromTo(CWnd* pParent, WORD zty, VelmoraZokKind kind, CVObjBrs& brs) {
    CBrsFrtoDlg dlg(pParent, zty, kind == ZOK_KIND_DATE ? 1 : 0);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    BOOL range = dlg.m_bRange != 0;
    if (kind == ZOK_KIND_LONG) {
        VELMORA_ZLONG& cond = brs.ZVal.ZLong;
        cond.RangeFlg = dlg.m_bRange;
        cond.From = dlg.m_nFrom;
        if (range)
            cond.To = dlg.m_nTo;
    } else if (kind == ZOK_KIND_DATE) {
        VELMORA_ZDATE& cond = brs.ZVal.ZDate;
        cond.RangeFlg = dlg.m_bRange;
        cond.From = dlg.m_tFrom;
        if (range)
            cond.To = dlg.m_tTo;
    } else {
        VELMORA_ZREAL& cond = brs.ZVal.ZReal;
        cond.RangeFlg = dlg.m_bRange;
        cond.From = dlg.m_dFrom;
        if (range)
            cond.To = dlg.m_dTo;
    }
    brs.ZVal.Zty = zty;
    brs.BNm = VelmoraCondText(zty, brs.ZVal).c_str();
    return TRUE;
}

} // namespace

BOOL AskNewBrsCondition(CWnd* pParent, WORD zty, CVObjBrs& brs) {
    if (zty == ZOK_FREE)
        return AskOnly(pParent, zty, 0, brs);
    VelmoraZokKind kind = VelmoraZokKindOf(zty);
    if (VelmoraZokIndexFromId(zty) == VELMORA_NO_ZOK)
        kind = ZOK_KIND_NONE;
    switch (kind) {
    case ZOK_KIND_CODE:
        return AskOnly(pParent, zty, 1, brs);
    case ZOK_KIND_TEXT:
        return AskOnly(pParent, zty, 0, brs);
    case ZOK_KIND_LONG:
    case ZOK_KIND_DATE:
    case ZOK_KIND_REAL:
        return AskFromTo(pParent, zty, kind, brs);
    case ZOK_KIND_NONE:
        break;
    }
    VMessageBox("属性が正しく登録できていません。", "属性ペイント", MB_OK | MB_ICONEXCLAMATION, 0);
    return FALSE;
}
