// Tests only: faults that a test can make the next FTP connection attempt meet, for the failures
// that no simulated scale can cause from the other end of the wire.
#pragma once

namespace platform::seams {
enum class InternetFault {
    None,
    LongErrorText,  // the attempt fails with an Internet exception whose text runs to 300 characters
    OutOfMemory,    // the attempt fails as when memory runs out (std::bad_alloc), not an Internet exception
};
// The next GetFtpConnection meets the fault, then the seam is clear again.
void InjectInternetFault(InternetFault fault);
// Takes the pending fault (None when there is none); used by the Internet classes.
InternetFault TakeInternetFault();
}  // namespace platform::seams
