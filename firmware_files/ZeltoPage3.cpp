#include "firmware_files/ZeltoPage3.h"

CZeltoPage3::CZeltoPage3() : CPropertyPage(132) {}
