// Types, numbers and error codes of the Internet classes, as the system Internet library numbers them.
#pragma once

#include <cstdint>

#include "platform/sys/WinTypes.h"

using DWORD_PTR = std::uintptr_t;
using INTERNET_PORT = WORD;

constexpr DWORD PRE_CONFIG_INTERNET_ACCESS = 0;
constexpr INTERNET_PORT INTERNET_DEFAULT_FTP_PORT = 21;
constexpr DWORD FTP_TRANSFER_TYPE_BINARY = 2;
// A status callback's news that bytes went out; its information is a DWORD, how many since the last.
constexpr DWORD INTERNET_STATUS_REQUEST_SENT = 31;
// A status callback's news that the server replied; its information is a DWORD, the reply's bytes.
constexpr DWORD INTERNET_STATUS_RESPONSE_RECEIVED = 41;

constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INTERNET_TIMEOUT = 12002;
constexpr DWORD ERROR_INTERNET_EXTENDED_ERROR = 12003;
constexpr DWORD ERROR_INTERNET_INTERNAL_ERROR = 12004;
constexpr DWORD ERROR_INTERNET_INVALID_URL = 12005;
constexpr DWORD ERROR_INTERNET_NAME_NOT_RESOLVED = 12007;
constexpr DWORD ERROR_INTERNET_INCORRECT_PASSWORD = 12014;
constexpr DWORD ERROR_INTERNET_OPERATION_CANCELLED = 12017;
constexpr DWORD ERROR_INTERNET_CANNOT_CONNECT = 12029;
constexpr DWORD ERROR_INTERNET_CONNECTION_ABORTED = 12030;
