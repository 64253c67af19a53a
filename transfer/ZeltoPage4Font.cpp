#include "transfer/ZeltoPage4Font.h"

#include "resources/ResourceIds.h"
#include "transfer/FtpUploadThreads.h"

CZeltoPage4Font::CZeltoPage4Font() : CZeltoCopyPage(IDD_COPY_FONT, FtpFontThread, TRUE) {}
