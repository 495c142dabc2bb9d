#include "s/thread/ObjLocker.h"

#include <new>

namespace s::thread {

ObjLocker::ObjLocker(void* owned, DisposeFunction disposeFunction, s::base::IDestructor* disposer)
    : owned_(owned), disposeFunction_(disposeFunction), disposer_(disposer) {}

ObjLocker::~ObjLocker() {
    if (owned_ == nullptr) {
        return;
    }
    if (disposeFunction_ != nullptr) {
        disposeFunction_(owned_);
    } else if (disposer_ != nullptr) {
        disposer_->dispose(&owned_);
    } else {
        delete static_cast<s::base::IComparable*>(owned_);
    }
    owned_ = nullptr;
}

void ObjLocker::setOwned(void* owned, DisposeFunction disposeFunction,
                         s::base::IDestructor* disposer) {
    owned_ = owned;
    disposeFunction_ = disposeFunction;
    disposer_ = disposer;
}

s::base::IObject* ObjLocker::newObject() const {
    return new (std::nothrow) ObjLocker();
}

} // namespace s::thread
