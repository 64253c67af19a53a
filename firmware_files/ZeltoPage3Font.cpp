#include "firmware_files/ZeltoPage3Font.h"

CZeltoPage3Font::CZeltoPage3Font() : CPropertyPage(138) {}
