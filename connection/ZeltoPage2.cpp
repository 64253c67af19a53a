#include "connection/ZeltoPage2.h"

CZeltoPage2::CZeltoPage2() : CPropertyPage(131) {}
