#include "transfer/ZeltoPage4.h"

CZeltoPage4::CZeltoPage4() : CPropertyPage(133) {}
