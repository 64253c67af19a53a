#include "transfer/UploadProgress.h"

#include <algorithm>
#include <string>

namespace {

constexpr ULONGLONG kRateWindowMs = 2000;  // the rate is the change over about this long
constexpr ULONGLONG kStalledMs = 1000;     // nothing moved for this long: the scale is waited for
constexpr ULONGLONG kKB = 1024;
constexpr ULONGLONG kMB = 1024 * kKB;

// Binary units, cut rather than rounded so that a figure never claims more than is there: whole KB
// below 1 MB, MB with one decimal from there on.
CString FormatBytes(ULONGLONG nBytes)
{
    if (nBytes < kMB)
        return std::to_string(nBytes / kKB) + " KB";
    return std::to_string(nBytes / kMB) + "." + std::to_string(nBytes * 10 / kMB % 10) + " MB";
}

}  // namespace

void CUploadProgress::Start()
{
    m_nTotal = 0;
    m_nSent = 0;
    m_nElapsedMs = 0;
    m_nLastMoveMs = 0;
    m_recent.assign(1, Sample{0, 0});
}

void CUploadProgress::SetTotal(ULONGLONG nTotal)
{
    m_nTotal = nTotal;
    // The rate is the store's: the time spent logging in is no part of it.
    m_recent.assign(1, Sample{m_nSent, m_nElapsedMs});
}

void CUploadProgress::Report(ULONGLONG nSent, ULONGLONG nElapsedMs)
{
    if (nSent > m_nSent)
        m_nLastMoveMs = nElapsedMs;
    m_nSent = nSent;
    m_nElapsedMs = nElapsedMs;
    m_recent.push_back(Sample{nSent, nElapsedMs});
    while (m_recent.size() > 2 && nElapsedMs - m_recent[1].nElapsedMs >= kRateWindowMs)
        m_recent.pop_front();
}

void CUploadProgress::Heard(ULONGLONG nElapsedMs)
{
    m_nLastMoveMs = std::max(m_nLastMoveMs, nElapsedMs);
    m_nElapsedMs = std::max(m_nElapsedMs, nElapsedMs);
}

CString CUploadProgress::Text() const
{
    if (m_nElapsedMs - m_nLastMoveMs >= kStalledMs)
        return "Waiting for the scale... " + std::to_string((m_nElapsedMs - m_nLastMoveMs) / 1000) + " s";
    if (m_nTotal == 0)
        return "";
    CString text = FormatBytes(m_nSent) + " of " + FormatBytes(m_nTotal);
    const Sample& oldest = m_recent.front();
    const ULONGLONG spanMs = m_nElapsedMs - oldest.nElapsedMs;
    const ULONGLONG moved = m_nSent - oldest.nSent;
    if (spanMs == 0 || moved == 0)
        return text;
    const ULONGLONG perSecond = moved * 1000 / spanMs;
    if (perSecond == 0)
        return text;
    const ULONGLONG remaining = m_nTotal > m_nSent ? m_nTotal - m_nSent : 0;
    const ULONGLONG secondsLeft = (remaining * 1000 / perSecond + 999) / 1000;
    return text + ", " + FormatBytes(perSecond) + "/s, " + std::to_string(secondsLeft) + " s left";
}
