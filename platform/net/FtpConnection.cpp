#include "platform/net/FtpConnection.h"

#include "platform/net/FtpClient.h"

CFtpConnection::CFtpConnection(std::unique_ptr<platform::net::FtpClient> client, DWORD_PTR dwContext)
    : m_pClient(std::move(client)), m_dwContext(dwContext)
{
}

CFtpConnection::~CFtpConnection()
{
    CFtpConnection::Close();
}

BOOL CFtpConnection::PutFile(LPCSTR pstrLocalFile, LPCSTR pstrRemoteFile, DWORD dwFlags, DWORD_PTR /*dwContext*/)
{
    if (m_pClient == nullptr || pstrLocalFile == nullptr || pstrRemoteFile == nullptr)
        return FALSE;
    return m_pClient->Store(pstrLocalFile, pstrRemoteFile, dwFlags) ? TRUE : FALSE;
}

CString CFtpConnection::GetLastPutFileFault() const
{
    return m_pClient != nullptr ? m_pClient->LastStoreFault() : CString();
}

void CFtpConnection::Close()
{
    if (m_pClient != nullptr)
        m_pClient->Close();
}
