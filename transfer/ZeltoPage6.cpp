#include "transfer/ZeltoPage6.h"

CZeltoPage6::CZeltoPage6() : CPropertyPage(135) {}
