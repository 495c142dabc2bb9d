#pragma once
#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

#include <cstdint>

namespace s::col::_array {
class ArrayU08;
}
namespace s::str::strarray {
class StrArray;
}

namespace s::map {

// A typed settings store organised in sections. A section path names a
// section, its levels separated by a backslash (the XML store also takes
// '/'); the empty path is the store's root, and levels match ignoring case.
// A key names a value within a section; the empty key is the section's own
// value. Getters return the default when the section or the value is missing
// and never create anything; every setter creates the section's missing
// levels, stores the value and, with automatic saving on, saves.
//
// Two implementations exist: s::reg::MappedData (the registry of the current
// user, what the program uses) and s::xml::MappedData (a document file).
// Stores come from their open functions and go back with release(); reset()
// drops everything they hold and turns automatic saving off. A store has no
// lock: one thread uses it at a time.
//
//     // The root path comes from the program that owns the settings:
//     s::thread::PoolRef<s::reg::MappedData> store(s::reg::MappedData::open(rootPath));
//     bool on = store->getBool(u"View", u"Enabled", true);
//     std::int32_t zoom = store->getInt32(u"View", u"Zoom", 200);
//     store->setInt32(u"View", u"Zoom", 300);   // written at once
//     const char16_t* language = store->getString(u"Language", u"", u"English");
class IMappedData : public s::base::IObject, public s::thread::IPoolable {
public:
    using ArrayU08 = s::col::_array::ArrayU08;
    using StrArray = s::str::strarray::StrArray;

    // XML: writes the document to its file (false when that failed, the old
    // file then being kept). Registry: nothing to do, every write is stored at
    // once; answers true.
    virtual bool save() = 0;
    // Makes the section current, creating every missing level; false when it
    // could not be created.
    virtual bool openSection(const char16_t* path) = 0;
    // Removes the section and everything below it, then saves when automatic
    // saving is on; false when nothing was removed.
    virtual bool removeSection(const char16_t* path) = 0;
    // True when the section exists (it then becomes current).
    virtual bool hasSection(const char16_t* path) = 0;
    // True when the section exists and holds a value named key.
    virtual bool hasValue(const char16_t* path, const char16_t* key) = 0;

    virtual std::uint8_t getUInt8(const char16_t* path, const char16_t* key,
                                  std::uint8_t fallback) = 0;
    virtual std::uint16_t getUInt16(const char16_t* path, const char16_t* key,
                                    std::uint16_t fallback) = 0;
    virtual std::uint32_t getUInt32(const char16_t* path, const char16_t* key,
                                    std::uint32_t fallback) = 0;
    virtual std::uint64_t getUInt64(const char16_t* path, const char16_t* key,
                                    std::uint64_t fallback) = 0;
    virtual std::int8_t getInt8(const char16_t* path, const char16_t* key,
                                std::int8_t fallback) = 0;
    virtual std::int16_t getInt16(const char16_t* path, const char16_t* key,
                                  std::int16_t fallback) = 0;
    virtual std::int32_t getInt32(const char16_t* path, const char16_t* key,
                                  std::int32_t fallback) = 0;
    virtual std::int64_t getInt64(const char16_t* path, const char16_t* key,
                                  std::int64_t fallback) = 0;
    virtual float getFloat(const char16_t* path, const char16_t* key, float fallback) = 0;
    virtual double getDouble(const char16_t* path, const char16_t* key, double fallback) = 0;
    virtual bool getBool(const char16_t* path, const char16_t* key, bool fallback) = 0;
    // A zero-terminated text valid until the next getString on this store (the
    // caller copies it). `expanded`, when given, is set to whether the value
    // is an expandable string (registry only); with `expand`, such a value is
    // returned with its environment variables expanded. A missing section
    // returns `fallback` itself, a missing value a copy of it.
    virtual const char16_t* getString(const char16_t* path, const char16_t* key,
                                      const char16_t* fallback, bool* expanded = nullptr,
                                      bool expand = true) = 0;
    // Lists are not supported by either store: always null.
    virtual StrArray* getStringList(const char16_t* path, const char16_t* key) = 0;
    // The stored bytes in `into` (emptied first), or in a new array from its
    // pool when `into` is null (the caller owns it); empty when nothing is
    // stored. Null only when no array could be had.
    virtual ArrayU08* getBytes(const char16_t* path, const char16_t* key, ArrayU08* into) = 0;
    // Deletes the value when the section exists, then saves when automatic
    // saving is on; false when nothing was deleted.
    virtual bool removeValue(const char16_t* path, const char16_t* key) = 0;

    // Setters answer whether the value was stored (and, with automatic saving
    // on, saved).
    virtual bool setUInt8(const char16_t* path, const char16_t* key, std::uint8_t value) = 0;
    virtual bool setUInt16(const char16_t* path, const char16_t* key, std::uint16_t value) = 0;
    virtual bool setUInt32(const char16_t* path, const char16_t* key, std::uint32_t value) = 0;
    virtual bool setUInt64(const char16_t* path, const char16_t* key, std::uint64_t value) = 0;
    virtual bool setInt8(const char16_t* path, const char16_t* key, std::int8_t value) = 0;
    virtual bool setInt16(const char16_t* path, const char16_t* key, std::int16_t value) = 0;
    virtual bool setInt32(const char16_t* path, const char16_t* key, std::int32_t value) = 0;
    virtual bool setInt64(const char16_t* path, const char16_t* key, std::int64_t value) = 0;
    virtual bool setFloat(const char16_t* path, const char16_t* key, float value) = 0;
    virtual bool setDouble(const char16_t* path, const char16_t* key, double value) = 0;
    virtual bool setBool(const char16_t* path, const char16_t* key, bool value) = 0;
    virtual bool setString(const char16_t* path, const char16_t* key, const char16_t* value) = 0;
    virtual bool setExpandString(const char16_t* path, const char16_t* key,
                                 const char16_t* value) = 0;
    // Stores nothing (lists are not supported); only the automatic save runs.
    virtual bool setStringList(const char16_t* path, const char16_t* key, const StrArray* list) = 0;
    virtual bool setBytes(const char16_t* path, const char16_t* key, const ArrayU08* bytes) = 0;

    virtual bool getAutoSave() const = 0;
    virtual void setAutoSave(bool on) = 0;
};

} // namespace s::map
