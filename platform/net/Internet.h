// The Internet classes: a session, the FTP connections it makes, and their exception.
#pragma once

#include "platform/net/FtpConnection.h"
#include "platform/net/InternetDefs.h"
#include "platform/net/InternetException.h"
#include "platform/net/InternetSession.h"
