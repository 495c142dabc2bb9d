#pragma once
#include "s/thread/ITask.h"
#include "s/thread/TaskLease.h"

namespace s::thread {

// A task that may outlive the patience of its caller: a worker that is given
// up on while running it keeps it alive until run() returns. A pooled class
// that derives from LeasedTask gets a release() (from S_POOLED_CLASS) that
// goes through the lease: given back while a worker is still inside run(),
// the object is neither reset, reused nor destroyed before the run returns;
// the worker then gives it back on its own thread.
//
// The class's reset() may therefore run on a worker thread; it must not
// assume the owner's thread.
class LeasedTask : public ITask {
public:
    TaskLease* getLease() override { return &lease; }

private:
    TaskLease lease;
};

} // namespace s::thread
