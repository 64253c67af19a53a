// What names the system code page: the real one takes it from the locale's character set.
#pragma once

#include "platform/sys/WinTypes.h"

namespace platform {

class CodePageService {
public:
    virtual ~CodePageService() = default;
    // 932 (Shift-JIS), 936 (GBK), 949 (Korean), 950 (Big5), 65001 (UTF-8); anything else is single-byte.
    virtual UINT CodePage() = 0;
};

}  // namespace platform
