#pragma once
#include "s/base/IDestructor.h"
#include "s/col/_array/ArrayBase.h"
#include "s/thread/ClassPool.h"

#include <cstdint>

namespace s::col::_array {

// A growable array of pointers. It owns its elements only while an element
// disposer is set (a class pool such as &StrBuffer::pool(), the
// CleanerIObject, a record factory): freeStorage() and reset() (release())
// then dispose of every element. Removing elements and clear() never dispose
// of anything; removeAt() hands the element to the caller. A recycled ArrayP
// has no disposer. Pooled; used by one thread at a time.
//
// Pooled elements are stored as pointers to their own class (StrBuffer*, not
// IObject*), so that the disposer gets back what its pool made. For the same
// reason the array reads nothing of its elements unless told their class
// (setElementClass<C>()): only then does its text name each element's class.
class ArrayP : public ArrayBase {
    S_POOLED_CLASS(ArrayP, u"s_col__array_ArrayP")
public:
    void reset() override;
    void freeStorage() override;

    s::base::IDestructor* disposer() const { return elementDisposer; }
    void setDisposer(s::base::IDestructor* disposer) { elementDisposer = disposer; }
    // The elements are library objects stored as C* (C derived from IObject),
    // so that toText() can name their classes. Cleared by reset().
    template <class C> void setElementClass() { classNameOf = &classNameOfElement<C>; }

    // Element i (no bounds check: 0 <= i < count()).
    void* get(std::uint32_t i) const { return data()[i]; }
    void set(std::uint32_t i, void* element) { data()[i] = element; }
    void* const* data() const { return static_cast<void* const*>(items()); }
    void** data() { return static_cast<void**>(items()); }
    void* last() const { return elementCount > 0 ? get(elementCount - 1) : nullptr; }

    // Appends one element; false when out of memory.
    bool add(void* element) {
        if (elementCount < elementCapacity) {
            data()[elementCount++] = element;
            return true;
        }
        return addGrowing(element);
    }
    // Inserts one element before index (index = count appends).
    bool insertAt(std::uint32_t index, void* element) { return insert(index, &element, 1); }
    // Takes element index out without disposing of it; null when out of range.
    // The last element is taken without moving anything.
    void* removeAt(std::uint32_t index);
    // Identity search from `from`; false with index -1 when absent.
    bool indexOf(const void* element, std::int32_t& index, std::uint32_t from = 0) const;

    // Disposes of element index through the disposer (deleting nothing
    // without one) and removes it.
    void disposeAt(std::uint32_t index);

    const s::base::IComparator& defaultComparator() const override;
    // The element's class name and "(0x" address ")" when the element class
    // is known and the element is not null; "(0x" address ")" otherwise (the
    // elements may be raw records, of which nothing can be read).
    void appendElementText(s::str::strbuffer::StrBuffer& dest, const void* element) const override;

private:
    ArrayP() : ArrayBase(pointerShift()) { reset(); }
    ~ArrayP() override;
    static constexpr std::uint8_t pointerShift() { return sizeof(void*) == 8 ? 3 : 2; }
    bool addGrowing(void* element);
    void disposeElements();

    template <class C> static const char16_t* classNameOfElement(const void* element) {
        return static_cast<const C*>(element)->getClassName();
    }

    s::base::IDestructor* elementDisposer = nullptr;
    // The class name of an element, when their class was given.
    const char16_t* (*classNameOf)(const void* element) = nullptr;
};

} // namespace s::col::_array
