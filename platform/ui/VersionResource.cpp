#include "platform/ui/VersionResource.h"

#include <QCoreApplication>

void ApplyVersionResource(const VersionResource& version)
{
    QCoreApplication::setApplicationName(QString::fromLocal8Bit(version.productName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version.productVersion));
}
