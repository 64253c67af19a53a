#include "firmware_files/ZeltoPage5.h"

CZeltoPage5::CZeltoPage5() : CPropertyPage(134) {}
