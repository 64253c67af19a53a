#include "connection/ZeltoPage2a.h"

CZeltoPage2a::CZeltoPage2a() : CPropertyPage(137) {}
