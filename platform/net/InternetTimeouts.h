// How long the FTP client waits, like a desktop Internet library: about a minute to connect, a
// minute for each answer of the server, a minute for the scale to open the data connection back,
// and a transfer given up after a minute without progress. A scale that stops answering so ends
// the upload with an error instead of holding the page for ever.
#pragma once

namespace platform::net {

struct FtpTimeouts {
    long connectMs;              // TCP connect to the server
    long serverResponseSeconds;  // each reply of the server, the greeting included
    long acceptMs;               // the server opening the data connection back (active mode)
    long stallSeconds;           // a transfer that moves no byte for this long is abandoned
};

constexpr FtpTimeouts kDefaultFtpTimeouts = {60000, 60, 60000, 60};

}  // namespace platform::net
