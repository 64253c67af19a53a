// What the connection check found (the sheet's m_nConnectState, and the check's result message).
#pragma once

constexpr int CONNECT_NOT_CHECKED = 0;
constexpr int CONNECT_FAILED = 1;
constexpr int CONNECT_OK = 2;
