// The library's help-context table: one entry per kind of screen, handed to
// the host's help manager through two plain-named exports.
#pragma once

#include "host/ostin_help_context.h"
#include "velmora_api.h"

enum VelmoraHelpIndex {
    VELMORA_HELP_MAIN = 0,
    VELMORA_HELP_PALETTE = 1,
    VELMORA_HELP_ZOK_SELECT = 2,
    VELMORA_HELP_BRS_MAKE = 3,
    VELMORA_HELP_BRS_SET = 4,
    VELMORA_HELP_CNT = 5
};

extern "C" {
VELMORA_API int ___OSTINHELP_NUM();
// Copies entry index into *target; an index outside the table leaves it as it was.
VELMORA_API TOstinHelpContext* ___OSTINHELP_CONTEXT(int index, TOstinHelpContext* target);
}
