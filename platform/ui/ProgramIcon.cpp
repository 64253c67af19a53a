#include <QIcon>

#include "platform/ui/WindowImpl.h"

// The pictures live in a resource file inside a static library: register it before the first use.
void EnsureImagesRegistered()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(images);
        return true;
    }();
    (void)registered;
}

QIcon ProgramIcon()
{
    EnsureImagesRegistered();
    QIcon icon;
    for (std::size_t i = 0; i < g_iconCount; ++i)
        icon.addFile(QString::fromLatin1(g_icons[i].path));
    return icon;
}
