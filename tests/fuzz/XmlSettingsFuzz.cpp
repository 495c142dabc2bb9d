// Opens an XML settings file made of arbitrary bytes and reads every value
// kind from the sections the program uses, then writes and saves, as the
// program does at start-up. Damaged files must give defaults or values, never
// a crash, and must be repaired by the save.
//
// The same bytes also name sections and keys and give string values (see
// piecesOf): every value the store accepts must read back exactly after a
// save and a reload, and the store must accept exactly the names a document
// can hold and the values UTF-8 can carry, refusing the rest without writing
// anything.
#include "s/col/_array/ArrayU08.h"
#include "s/io/File.h"
#include "s/thread/PoolRef.h"
#include "s/xml/MappedData.h"
#include "s/xml/Names.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

using s::col::_array::ArrayU08;
using s::io::File;
using s::thread::PoolRef;
using s::xml::MappedData;
using s::xml::Names;

namespace {

// In memory when the system offers it: every save flushes to the disk.
std::u16string settingsPath() {
    std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string path =
        folder + "/vexa-xml-settings-fuzz-" + std::to_string(getpid()) + "/SaveData.xml";
    return std::u16string(path.begin(), path.end());
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The input as texts: a byte is the unit of its value (ASCII and Latin-1),
// except 0xFF, which takes the next two bytes as one unit (little-endian), so
// that any unit (surrogate halves included) can occur. Units 0 and 1 end a
// piece. At most kMaxPieces pieces.
constexpr std::size_t kMaxPieces = 16;

std::vector<std::u16string> piecesOf(const std::uint8_t* data, std::size_t size) {
    std::vector<std::u16string> pieces(1);
    for (std::size_t i = 0; i < size && pieces.size() <= kMaxPieces; ++i) {
        char16_t unit = data[i];
        if (data[i] == 0xFF && i + 2 < size) {
            unit = static_cast<char16_t>(data[i + 1] | (data[i + 2] << 8));
            i += 2;
        }
        if (unit == 0 || unit == 1) {
            pieces.emplace_back();
        } else {
            pieces.back().push_back(unit);
        }
    }
    if (pieces.size() > kMaxPieces) {
        pieces.resize(kMaxPieces);
    }
    return pieces;
}

bool isWellFormed(const std::u16string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

bool isValidKey(const std::u16string& key) {
    return key.empty() || Names::isName(key.data(), key.size());
}

// Every level between '\' or '/' separators (empty ones add nothing).
bool isValidPath(const std::u16string& path) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == u'\\' || path[i] == u'/') {
            if (i > start && !Names::isName(path.data() + start, i - start)) {
                return false;
            }
            start = i + 1;
        }
    }
    return true;
}

std::u16string numbered(const char16_t* prefix, std::size_t i) {
    std::string digits = std::to_string(i);
    return prefix + std::u16string(digits.begin(), digits.end());
}

// One change made from the input and what it must read back as.
struct Change {
    std::u16string section;
    std::u16string key;
    std::u16string value;
    std::u16string removed; // the section whose absence shows a refusal
    bool accepted;
};

// Applies the changes built from the pieces: name and value as a key in a
// section of its own, and the name as a section path holding the value
// under the empty key. Each must be accepted exactly when valid.
std::vector<Change> applyChanges(MappedData& store, const std::vector<std::u16string>& pieces) {
    std::vector<Change> changes;
    for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
        const std::u16string& name = pieces[i];
        const std::u16string& value = pieces[i + 1];
        std::u16string keyed = numbered(u"FuzzKey", i);
        std::u16string pathed = numbered(u"FuzzPath", i);
        changes.push_back({keyed, name, value, keyed, isValidKey(name) && isWellFormed(value)});
        changes.push_back(
            {pathed + u"\\" + name, u"", value, pathed, isValidPath(name) && isWellFormed(value)});
    }
    for (Change& change : changes) {
        // A damaged file may hold the section more than once.
        while (store.removeSection(change.removed.c_str())) {
        }
        bool done =
            store.setString(change.section.c_str(), change.key.c_str(), change.value.c_str());
        check(done == change.accepted);
        const char16_t* now = store.getString(change.section.c_str(), change.key.c_str(), nullptr);
        check(!done || (now != nullptr && change.value == now));
    }
    return changes;
}

void expectChanges(MappedData& store, const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        if (!change.accepted) {
            check(!store.hasSection(change.removed.c_str()));
            continue;
        }
        const char16_t* value =
            store.getString(change.section.c_str(), change.key.c_str(), nullptr);
        check(value != nullptr && change.value == value);
    }
}

std::uint64_t readEverything(MappedData& store) {
    const char16_t* sections[] = {u"",
                                  u"View",
                                  u"MainWindow\\View",
                                  u"Language",
                                  u"mainwindow/version",
                                  u"a\\\\b\\",
                                  u"SoftwareID",
                                  u"/"};
    const char16_t* keys[] = {u"", u"IsOn", u"Width", u"Update", u"x"};
    auto bytes = PoolRef<ArrayU08>::take();
    std::uint64_t sink = 0;
    for (const char16_t* section : sections) {
        store.hasSection(section);
        for (const char16_t* key : keys) {
            sink += store.hasValue(section, key);
            sink += store.getUInt8(section, key, 1) + store.getUInt16(section, key, 2) +
                    store.getUInt32(section, key, 3) + store.getUInt64(section, key, 4);
            sink += static_cast<std::uint64_t>(store.getInt8(section, key, 5)) +
                    static_cast<std::uint64_t>(store.getInt16(section, key, 6)) +
                    static_cast<std::uint64_t>(store.getInt32(section, key, 7)) +
                    static_cast<std::uint64_t>(store.getInt64(section, key, 8));
            sink += static_cast<std::uint64_t>(store.getFloat(section, key, 9.0f) > 0);
            sink += static_cast<std::uint64_t>(store.getDouble(section, key, 10.0) > 0);
            sink += store.getBool(section, key, true);
            const char16_t* text = store.getString(section, key, u"fallback");
            while (text != nullptr && *text != 0) {
                sink += *text++;
            }
            store.getBytes(section, key, bytes.get());
            sink += bytes->count();
        }
    }
    return sink;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::u16string path = settingsPath();
    if (!File::writeAllReplacing(path.c_str(), data, size)) {
        return 0;
    }
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    if (!store) {
        return 0;
    }
    check(!store->isReadOnly()); // a readable file is repaired, not kept
    std::uint64_t sink = readEverything(*store);
    store->setInt32(u"MainWindow\\View", u"Width", static_cast<std::int32_t>(sink));
    store->setString(u"Language", u"", u"a b<&>\"");
    std::vector<Change> changes = applyChanges(*store, piecesOf(data, size));
    check(store->save()); // a writable folder must take the document

    PoolRef<MappedData> again(MappedData::open(path.c_str()));
    check(again->getInt32(u"MainWindow\\View", u"Width", 0) == static_cast<std::int32_t>(sink));
    check(std::u16string(again->getString(u"Language", u"", u"")) == u"a b<&>\"");
    expectChanges(*again, changes);
    return 0;
}
