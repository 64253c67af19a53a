// On Linux the holder is a flock process: flock -o keeps the lock in the flock process alone, so
// killing it releases the file.
#include "tests/support/FileHolder.h"

#include <QProcess>

struct FileHolder::Impl {
    QProcess holder;
    bool held = false;
};

FileHolder::FileHolder(const std::string& path) : m_impl(std::make_unique<Impl>())
{
    m_impl->holder.start(QStringLiteral("flock"), {QStringLiteral("-o"), QString::fromStdString(path),
                                                   QStringLiteral("-c"), QStringLiteral("echo held; exec sleep 30")});
    m_impl->held = m_impl->holder.waitForReadyRead(5000);
}

FileHolder::~FileHolder()
{
    Release();
}

bool FileHolder::Held() const
{
    return m_impl->held;
}

void FileHolder::Release()
{
    if (m_impl->holder.state() != QProcess::NotRunning) {
        m_impl->holder.kill();
        m_impl->holder.waitForFinished();
    }
}
