// The page templates, each defined in the file of its page family, and the look they share.
// Only resources/ includes this; everyone else finds the templates through ResourceFormat.h.
#pragma once

#include "platform/sys/ResourceFormat.h"
#include "resources/ControlIds.h"
#include "resources/PageTexts.h"
#include "resources/ResourceIds.h"

namespace DialogLook {

constexpr int kPageWidth = 290;
constexpr int kPageHeight = 195;
constexpr int kPointSize = 8;
inline constexpr char kFaceName[] = "MS Sans Serif";

// The wizard's picture at the top left corner of every page, at its natural size.
constexpr DialogControl kPicture = {IDC_STATIC, ControlKind::Bitmap, 0, 0, 20, 20, "", CS_SUNKEN, IDB_WIZARD};

}  // namespace DialogLook

extern const DialogTemplate g_introTemplate;            // 129
extern const DialogTemplate g_rebootTemplate;           // 130
extern const DialogTemplate g_connectRecoveryTemplate;  // 131
extern const DialogTemplate g_selectBootTemplate;       // 132
extern const DialogTemplate g_copyBootTemplate;         // 133
extern const DialogTemplate g_selectAplyTemplate;       // 134
extern const DialogTemplate g_copyAplyTemplate;         // 135
extern const DialogTemplate g_completeTemplate;         // 136
extern const DialogTemplate g_connectTestTemplate;      // 137
extern const DialogTemplate g_selectFontTemplate;       // 138
extern const DialogTemplate g_copyFontTemplate;         // 139
extern const DialogTemplate g_rebootFontTemplate;       // 140
