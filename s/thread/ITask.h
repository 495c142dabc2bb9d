#pragma once

namespace s::thread {

// One piece of work that a worker thread runs (s::thread::win::Thread). The
// task object stays owned by whoever handed it over: the worker only calls
// run(), on its own thread, and never deletes it. A task must stay alive until
// the worker that runs it is idle again (or has been stopped).
class ITask {
public:
    virtual ~ITask() = default;
    // The work; called on the worker thread, without any lock of the worker held.
    virtual void run() = 0;
};

} // namespace s::thread
