#include "connection/HttpBlockingSocket.h"

CHttpBlockingSocket::CHttpBlockingSocket() = default;

CHttpBlockingSocket::~CHttpBlockingSocket() = default;
