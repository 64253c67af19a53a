#include "platform/ui/IPAddressCtrl.h"

#include "platform/ui/IpAddressWidget.h"
#include "platform/ui/WindowImpl.h"

int CIPAddressCtrl::GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3)
{
    BYTE* out[4] = {&nField0, &nField1, &nField2, &nField3};
    auto* widget = qobject_cast<IpAddressWidget*>(GetImpl()->widget.data());
    int filled = 0;
    for (int i = 0; i < 4; ++i) {
        *out[i] = 0;
        if (widget == nullptr)
            continue;
        const QString text = widget->Field(i)->text().trimmed();
        if (text.isEmpty())
            continue;
        *out[i] = static_cast<BYTE>(std::min(text.toInt(), 255));
        ++filled;
    }
    return filled;
}
