// The table through which the platform finds a page's template by its ID.
#include <iterator>

#include "resources/DialogTemplates.h"

const DialogTemplate* const g_dialogTemplates[] = {
    &g_introTemplate,       &g_rebootTemplate,      &g_connectRecoveryTemplate,
    &g_selectBootTemplate,  &g_copyBootTemplate,    &g_selectAplyTemplate,
    &g_copyAplyTemplate,    &g_completeTemplate,    &g_connectTestTemplate,
    &g_selectFontTemplate,  &g_copyFontTemplate,    &g_rebootFontTemplate,
};

const std::size_t g_dialogTemplateCount = std::size(g_dialogTemplates);
