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
        CriticalSection::Scope scope(section);
        if (exiting) {
            return false;
        }
        Node* node = new (std::nothrow) Node{pool, head};
        if (node == nullptr) {
            return false;
        }
        head = node;
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
            CriticalSection::Scope scope(pools.section);
            pools.exiting = true;
            list = pools.head;
            pools.head = nullptr;
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

    CriticalSection section;
    Node* head = nullptr;
    bool exiting = false;
};

} // namespace

EasyPooler::EasyPooler(std::uint32_t limit, CreateCallback createCallback,
                       DestroyCallback destroyCallback, ResetCallback resetCallback)
    : idleLimit(limit), create(createCallback), destroy(destroyCallback), reset(resetCallback) {}

EasyPooler::~EasyPooler() {
    for (void* object = idle.pop(); object != nullptr; object = idle.pop()) {
        destroy(object);
    }
}

void* EasyPooler::take() {
    {
        ObjLocker::Scope scope(lock);
        if (idle.count() > 0) {
            return idle.pop();
        }
    }
    return create();
}

void EasyPooler::giveBack(void* object) {
    if (object == nullptr) {
        return;
    }
    {
        ObjLocker::Scope scope(lock);
        if (idle.count() < idleLimit) {
            reset(object);
            // The reset may have given nested objects of this class back (a
            // tree node releasing its children): check the limit again.
            if (idle.count() < idleLimit && idle.push(object)) {
                return;
            }
        }
    }
    destroy(object);
}

void EasyPooler::dispose(void** slot) {
    if (slot == nullptr || *slot == nullptr) {
        return;
    }
    giveBack(*slot);
    *slot = nullptr;
}

std::uint32_t EasyPooler::limit() const {
    ObjLocker::Scope scope(lock);
    return idleLimit;
}

std::uint32_t EasyPooler::idleCount() const {
    ObjLocker::Scope scope(lock);
    return idle.count();
}

void EasyPooler::shutdown() {
    void** idleObjects;
    std::uint32_t count;
    {
        ObjLocker::Scope scope(lock);
        idleObjects = idle.detach(count);
        idleLimit = 0;
    }
    // Destroyed outside the lock: a destructor may give member objects back
    // to this very pool, which now destroys them directly.
    for (std::uint32_t i = 0; i < count; ++i) {
        destroy(idleObjects[i]);
    }
    std::free(idleObjects);
}

EasyPooler* EasyPooler::newProcessPool(std::uint32_t limit, CreateCallback create,
                                       DestroyCallback destroy, ResetCallback reset) {
    auto* pool = new (std::nothrow) EasyPooler(limit, create, destroy, reset);
    if (pool != nullptr && !ProcessPools::instance().add(pool)) {
        pool->idleLimit = 0;
    }
    return pool;
}

s::base::IObject* EasyPooler::newObject() const {
    return new (std::nothrow) EasyPooler(limit(), create, destroy, reset);
}

} // namespace s::thread
