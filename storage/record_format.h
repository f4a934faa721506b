// Byte layout of the palette-box file and of its records. Items follow one
// another with no padding, numbers little-endian; a text is a 4-byte byte
// count and that many bytes, without NUL (host/record_file.h).
//
// Palette-box file:
//   0  WORD  owner mark, VELMORA_OWN_NO
//   2  int   SelPNo
//   6  int   BoxWord
//   10 int   palette count, 0 to 100
//   14 that many palette records
//
// Palette record:
//   WORD owner mark, VELMORA_OWN_NO
//   text PNm
//   WORD Zty
//   255 brush records, in slot order, empty slots included
//
// Brush record; the older layout has the head only:
//   head  int BFg, BYTE Col, DWORD Hat, text BNm,
//         the condition: WORD Zty, then by the palette's value kind
//           code        DWORD Code
//           integer     DWORD RangeFlg, int32 From, int32 To
//           text        text (at most VELMORA_ZTEXT_MAX bytes are kept)
//           date        DWORD RangeFlg, int32 From, int32 To (as integer)
//           real        DWORD RangeFlg, double From, double To
//           none        nothing more
//   tail  DWORD tail mark (always kBrsTailMark, never interpreted),
//         DWORD LayerNo, WORD PaintFlg,
//         FACEZSKPAINT_DATA (12 bytes), FACEZSKHATCH_DATA (178 bytes)
#pragma once

#include "model/palette_box.h"
#include "model/zok_catalogue.h"

constexpr UINT kOwnNoBytes = 2;
constexpr UINT kTextCountBytes = 4;

constexpr UINT kBoxSelPNoAt = 2;
constexpr UINT kBoxWordAt = 6;
constexpr UINT kBoxCountAt = 10;
constexpr UINT kBoxHeaderBytes = 14;

// The head's items before BNm's text: BFg, Col, Hat.
constexpr UINT kBrsHeadFixedBytes = 9;
constexpr DWORD kBrsTailMark = 1;
constexpr UINT kBrsTailBytes = 200;

// Bytes of a condition's value behind its Zty, by value kind; a text
// condition's value is a text of its own length.
constexpr UINT kConditionValueBytes[] = {0, 4, 12, 0, 12, 20};

static_assert(kBoxSelPNoAt == kOwnNoBytes && kBoxWordAt == kBoxSelPNoAt + sizeof(int) &&
                  kBoxCountAt == kBoxWordAt + sizeof(int) &&
                  kBoxHeaderBytes == kBoxCountAt + sizeof(int),
              "box header layout");
static_assert(sizeof(CVPaletteBox::SelPNo) == 4 && sizeof(CVPaletteBox::BoxWord) == 4,
              "box header items");
static_assert(sizeof(CVObjPlt::Zty) == 2, "palette head items");
static_assert(sizeof(CVObjBrs::BFg) + sizeof(CVObjBrs::Col) + sizeof(CVObjBrs::Hat) ==
                  kBrsHeadFixedBytes,
              "brush head items");
static_assert(sizeof kBrsTailMark + sizeof(CVObjBrs::LayerNo) + sizeof(CVObjBrs::PaintFlg) +
                      sizeof(CVObjBrs::PaintData) + sizeof(CVObjBrs::HatchData) ==
                  kBrsTailBytes,
              "brush tail items");
static_assert(kConditionValueBytes[ZOK_KIND_CODE] == sizeof(VELMORA_ZCODE) - sizeof(WORD) &&
                  kConditionValueBytes[ZOK_KIND_LONG] == sizeof(VELMORA_ZLONG) - sizeof(WORD) &&
                  kConditionValueBytes[ZOK_KIND_DATE] == sizeof(VELMORA_ZDATE) - sizeof(WORD) &&
                  kConditionValueBytes[ZOK_KIND_REAL] == sizeof(VELMORA_ZREAL) - sizeof(WORD),
              "condition values are their layouts behind the Zty");
