#include "tests/support/NetFtpAttempt.h"

#include <chrono>
#include <cstring>

namespace tarvel::test {

NetFtpAttempt::~NetFtpAttempt() { Close(); }

void NetFtpAttempt::Connect(const char* server, CInternetSession* given, const char* password)
{
    CInternetSession own;
    CInternetSession& session = given != nullptr ? *given : own;
    const auto start = std::chrono::steady_clock::now();
    try {
        connection = session.GetFtpConnection(server, "test", password, 21, FALSE);
    } catch (CInternetException* e) {
        thrown = true;
        error = e->m_dwError;
        char buffer[200];
        std::memset(buffer, '#', sizeof buffer);
        e->GetErrorMessage(buffer, sizeof buffer);
        text = buffer;
        e->Delete();
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    own.Close();
}

void NetFtpAttempt::Close()
{
    if (connection != nullptr) {
        connection->Close();
        delete connection;
        connection = nullptr;
    }
}

}  // namespace tarvel::test
