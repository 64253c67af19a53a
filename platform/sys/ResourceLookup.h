// Finding a resource in the compiled-in tables (platform/sys/ResourceFormat.h) by its ID, as a
// backend does when it makes a page's window from its template or shows a picture.
#pragma once

#include "platform/sys/ResourceFormat.h"

// nullptr when there is no resource of this ID.
const DialogTemplate* FindDialogTemplate(UINT nID);
// The first image of this ID in the table; nullptr when there is none.
const ImageResource* FindImage(const ImageResource* table, std::size_t count, UINT nID);
