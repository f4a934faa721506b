// A parcel's value of each attribute, read from the host's parcel record.
// One selection reads the attribute record once (KkZokuRead); the values the
// host hands out on request are asked for again each time they are needed.
#pragma once

#include "afx/afx.h"
#include "host/svy_kk_data.h"

// The attribute record, zeroed before the read so that a failed read gives zeros.
SVY_KKDB_ZOKUSEI KkZokuRead(const SvyKkData& kk);

// 土地種別: 0 when the host fills nothing.
WORD KkTochiShubetsu(const SvyKkData& kk);
// The first owner's and the first taxpayer's person codes; 0 when there is none.
WORD KkShoyusha(const SvyKkData& kk);
WORD KkNozeisha(const SvyKkData& kk);

// A code of the attribute record (大字, 現況地目, 公簿地目, or the
// combined 小字), widened to 32 bits; 0 for any other ID.
DWORD KkZokuCode(const SVY_KKDB_ZOKUSEI& zoku, WORD zty);

// 不動産番号 of a fresh read of the attribute record, up to its first NUL or
// the end of its field. False when the record cannot be read: no value.
bool KkFudosanNo(const SvyKkData& kk, char (&text)[sizeof(SVY_KKDB_ZOKUSEI::FudosanNo) + 1]);

// 座標面積 and 三斜面積 from an area calculator built for this one request;
// 0.0 when the calculator fails.
double KkZahyoMen(const SvyKkData& kk);
double KkSansyaMen(const SvyKkData& kk);
