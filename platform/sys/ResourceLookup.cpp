#include "platform/sys/ResourceLookup.h"

const DialogTemplate* FindDialogTemplate(UINT nID)
{
    for (std::size_t i = 0; i < g_dialogTemplateCount; ++i) {
        if (g_dialogTemplates[i]->id == nID)
            return g_dialogTemplates[i];
    }
    return nullptr;
}

const ImageResource* FindImage(const ImageResource* table, std::size_t count, UINT nID)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (table[i].id == nID)
            return &table[i];
    }
    return nullptr;
}
