#pragma once

namespace s::thread {

class TaskLease;

// One piece of work that a worker thread runs (s::thread::win::Thread). The
// task object stays owned by whoever handed it over: the worker only calls
// run(), on its own thread, and never deletes it. A plain task must stay
// alive until the worker that runs it is idle again (or has ended); a task
// that may be given back while a worker that was given up on still runs it
// derives from LeasedTask, whose lease defers the give-back.
class ITask {
public:
    virtual ~ITask() = default;
    // The work; called on the worker thread, without any lock of the worker held.
    virtual void run() = 0;
    // The lease that keeps this task alive while a worker is inside run();
    // null for a plain task.
    virtual TaskLease* getLease() { return nullptr; }
};

} // namespace s::thread
