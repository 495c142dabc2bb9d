// Opens an XML settings file made of arbitrary bytes and reads every value
// kind from the sections the program uses, then writes and saves, as the
// program does at start-up. Damaged files must give defaults or values, never
// a crash, and must be repaired by the save.
#include "s/col/_array/ArrayU08.h"
#include "s/io/File.h"
#include "s/thread/PoolRef.h"
#include "s/xml/MappedData.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

using s::col::_array::ArrayU08;
using s::io::File;
using s::thread::PoolRef;
using s::xml::MappedData;

namespace {

// In memory when the system offers it: every save flushes to the disk.
std::u16string settingsPath() {
    std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string path =
        folder + "/vexa-xml-settings-fuzz-" + std::to_string(getpid()) + "/SaveData.xml";
    return std::u16string(path.begin(), path.end());
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
        store->hasSection(section);
        for (const char16_t* key : keys) {
            sink += store->hasValue(section, key);
            sink += store->getUInt8(section, key, 1) + store->getUInt16(section, key, 2) +
                    store->getUInt32(section, key, 3) + store->getUInt64(section, key, 4);
            sink += static_cast<std::uint64_t>(store->getInt8(section, key, 5)) +
                    static_cast<std::uint64_t>(store->getInt16(section, key, 6)) +
                    static_cast<std::uint64_t>(store->getInt32(section, key, 7)) +
                    static_cast<std::uint64_t>(store->getInt64(section, key, 8));
            sink += static_cast<std::uint64_t>(store->getFloat(section, key, 9.0f) > 0);
            sink += static_cast<std::uint64_t>(store->getDouble(section, key, 10.0) > 0);
            sink += store->getBool(section, key, true);
            const char16_t* text = store->getString(section, key, u"fallback");
            while (text != nullptr && *text != 0) {
                sink += *text++;
            }
            store->getBytes(section, key, bytes.get());
            sink += bytes->count();
        }
    }
    store->setInt32(u"MainWindow\\View", u"Width", static_cast<std::int32_t>(sink));
    store->setString(u"Language", u"", u"a b<&>\"");
    if (!store->save()) {
        std::abort(); // a writable folder must take the document
    }
    PoolRef<MappedData> again(MappedData::open(path.c_str()));
    if (again->getInt32(u"MainWindow\\View", u"Width", 0) != static_cast<std::int32_t>(sink) ||
        std::u16string(again->getString(u"Language", u"", u"")) != u"a b<&>\"") {
        std::abort();
    }
    return 0;
}
