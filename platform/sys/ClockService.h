// What reads the wall clock.
#pragma once

#include <ctime>

namespace platform {

class ClockService {
public:
    virtual ~ClockService() = default;
    virtual std::time_t Now() = 0;
};

}  // namespace platform
