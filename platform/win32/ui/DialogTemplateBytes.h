// A page's dialog template from its resources/ table, as the in-memory DLGTEMPLATEEX that the system
// lays out itself in dialog units and the template's font: the same table the Qt backend lays out.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/sys/WinTypes.h"

// The picture control's ID in a built template (its table gives it none): the page finds it by
// this ID to put bitmap 141 into it.
constexpr int kPictureControlId = 0x7F00;

// The template's bytes, DWORD-aligned; empty when there is no template of this ID.
std::vector<std::uint32_t> BuildDialogTemplate(UINT nIDTemplate);
