#include "s/thread/ObjLocker.h"

#include <new>

namespace s::thread {

ObjLocker::ObjLocker(void* object, DisposeFunction function, s::base::IDestructor* destructor)
    : ownedObject(object), disposeFunction(function), disposer(destructor) {}

ObjLocker::~ObjLocker() {
    if (ownedObject == nullptr) {
        return;
    }
    if (disposeFunction != nullptr) {
        disposeFunction(ownedObject);
    } else if (disposer != nullptr) {
        disposer->dispose(&ownedObject);
    } else {
        delete static_cast<s::base::IComparable*>(ownedObject);
    }
    ownedObject = nullptr;
}

void ObjLocker::setOwned(void* object, DisposeFunction function, s::base::IDestructor* destructor) {
    ownedObject = object;
    disposeFunction = function;
    disposer = destructor;
}

s::base::IObject* ObjLocker::newObject() const {
    return new (std::nothrow) ObjLocker();
}

} // namespace s::thread
