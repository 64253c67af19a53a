// What runs a worker thread: the real one starts a detached system thread.
#pragma once

#include <functional>

namespace platform {

class WorkerService {
public:
    virtual ~WorkerService() = default;
    // Runs work on a new thread of its own; false when no thread can be started.
    virtual bool Start(std::function<void()> work) = 0;
};

}  // namespace platform
