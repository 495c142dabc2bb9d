#include "s/thread/EasyPooler.h"

#include <cstdlib>
#include <new>

namespace s::thread {

namespace {

// Process pools, shut down together by one exit handler. The registry itself
// is never destroyed, so a pool made or used during exit still finds it.
class ProcessPools {
public:
    static ProcessPools& instance() {
        static ProcessPools* pools = new ProcessPools();
        return *pools;
    }

    // Registers the pool; false once exit has begun (the pool must then keep
    // nothing).
    bool add(EasyPooler* pool) {
        CriticalSection::Scope scope(section_);
        if (exiting_) {
            return false;
        }
        Node* node = new (std::nothrow) Node{pool, head_};
        if (node == nullptr) {
            return false;
        }
        head_ = node;
        return true;
    }

private:
    struct Node {
        EasyPooler* pool;
        Node* next;
    };

    ProcessPools() { std::atexit(&ProcessPools::shutdownAll); }

    static void shutdownAll() {
        ProcessPools& pools = instance();
        Node* list;
        {
            CriticalSection::Scope scope(pools.section_);
            pools.exiting_ = true;
            list = pools.head_;
            pools.head_ = nullptr;
        }
        // Newest first: a pool made later may belong to a class whose idle
        // objects hold nothing of the older ones, but either order is safe
        // because a shut-down pool destroys whatever reaches it.
        while (list != nullptr) {
            Node* next = list->next;
            list->pool->shutdown();
            delete list;
            list = next;
        }
    }

    CriticalSection section_;
    Node* head_ = nullptr;
    bool exiting_ = false;
};

} // namespace

EasyPooler::EasyPooler(std::uint32_t limit, CreateCallback create, DestroyCallback destroy,
                       ResetCallback reset)
    : limit_(limit), create_(create), destroy_(destroy), reset_(reset) {}

EasyPooler::~EasyPooler() {
    for (void* object = idle_.pop(); object != nullptr; object = idle_.pop()) {
        destroy_(object);
    }
}

void* EasyPooler::take() {
    {
        ObjLocker::Scope scope(lock_);
        if (idle_.count() > 0) {
            return idle_.pop();
        }
    }
    return create_();
}

void EasyPooler::giveBack(void* object) {
    if (object == nullptr) {
        return;
    }
    {
        ObjLocker::Scope scope(lock_);
        if (idle_.count() < limit_) {
            reset_(object);
            // The reset may have given nested objects of this class back (a
            // tree node releasing its children): check the limit again.
            if (idle_.count() < limit_ && idle_.push(object)) {
                return;
            }
        }
    }
    destroy_(object);
}

void EasyPooler::dispose(void** slot) {
    if (slot == nullptr || *slot == nullptr) {
        return;
    }
    giveBack(*slot);
    *slot = nullptr;
}

std::uint32_t EasyPooler::limit() const {
    ObjLocker::Scope scope(lock_);
    return limit_;
}

std::uint32_t EasyPooler::idleCount() const {
    ObjLocker::Scope scope(lock_);
    return idle_.count();
}

void EasyPooler::shutdown() {
    void** idle;
    std::uint32_t count;
    {
        ObjLocker::Scope scope(lock_);
        idle = idle_.detach(count);
        limit_ = 0;
    }
    // Destroyed outside the lock: a destructor may give member objects back
    // to this very pool, which now destroys them directly.
    for (std::uint32_t i = 0; i < count; ++i) {
        destroy_(idle[i]);
    }
    std::free(idle);
}

EasyPooler* EasyPooler::newProcessPool(std::uint32_t limit, CreateCallback create,
                                       DestroyCallback destroy, ResetCallback reset) {
    auto* pool = new (std::nothrow) EasyPooler(limit, create, destroy, reset);
    if (pool != nullptr && !ProcessPools::instance().add(pool)) {
        pool->limit_ = 0;
    }
    return pool;
}

s::base::IObject* EasyPooler::newObject() const {
    return new (std::nothrow) EasyPooler(limit(), create_, destroy_, reset_);
}

} // namespace s::thread
