#include "transfer/ZeltoPage4Font.h"

CZeltoPage4Font::CZeltoPage4Font() : CPropertyPage(139) {}
