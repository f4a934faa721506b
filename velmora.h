// Velmora, the paint-settings library: everything the host may call.
#pragma once

#include "afx/afx.h"
#include "velmora_api.h"
#include "host/pt.h"
#include "host/svy_kk_data.h"
#include "host/men_nt.h"
#include "host/code_book.h"
#include "host/code_tables.h"
#include "host/round.h"
#include "model/zok_catalogue.h"
#include "model/z_type.h"
#include "model/fill_data.h"
#include "model/brs.h"
#include "model/plt.h"
#include "model/palette_box.h"
#include "host/zel.h"
#include "host/ostin_help_context.h"
#ifdef _WIN32
#include "ui/help_table.h"
#include "ui/zok_type.h"
#include "ui/palette_set.h"
#endif
