#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "s/app/AppIdentity.h"
#include "s/app/win/AppBase.h"
#include "s/platform/win/WideText.h"
#include "s/reg/RegKey.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

// A product of the tests: the shipped language pack of the test program's
// resources, under a vendor key of each test's own that is deleted
// afterwards, so the tests neither see nor touch the program's settings.
class TestProduct : public ::testing::Test {
protected:
    void SetUp() override {
        vendorKey = u"Software\\LibraryTests\\AppTest" + number(GetCurrentProcessId()) + u"-" +
                    number(counter++);
        identity.vendorKey = vendorKey.c_str();
        identity.registryIdText = 300000;
        identity.fallbackRegistryId = u"Test Product";
        identity.settingsKey = u"SaveData";
        identity.packResourceType = u"IDR_XML";
        identity.packResourceId = 130;
        identity.iconResourceId = 128;
        identity.instanceName = u"AppFrameworkTest";
        identity.commandLine = u"test.exe";
    }
    void TearDown() override {
        appBase.assign(nullptr);
        s::reg::RegKey::removeTree(HKEY_CURRENT_USER, vendorKey.c_str());
    }

    // A new application base on the test's product (the former one given
    // back first).
    s::app::win::AppBase& start() {
        appBase.assign(nullptr);
        appBase.assign(s::app::win::AppBase::newInstance());
        appBase->init(identity, nullptr);
        return *appBase;
    }

    std::u16string productKey() const { return vendorKey + u"\\Vexa Magnifier"; }
    std::u16string settingsKey() const { return productKey() + u"\\SaveData"; }

    // A value read past the store: its type and bytes; false when missing.
    static bool rawValue(const std::u16string& key, const char16_t* name, DWORD& type,
                         std::vector<std::uint8_t>& bytes) {
        s::reg::RegKey reader(HKEY_CURRENT_USER, key.c_str());
        return reader.open() && reader.read(name, type, bytes);
    }
    static std::u16string rawText(const std::u16string& key, const char16_t* name) {
        DWORD type = 0;
        std::vector<std::uint8_t> bytes;
        if (!rawValue(key, name, type, bytes) || type != REG_SZ || bytes.size() < 2) {
            return u"<missing>";
        }
        return std::u16string(reinterpret_cast<const char16_t*>(bytes.data()));
    }
    static void writeDword(const std::u16string& key, const char16_t* name, DWORD value) {
        s::reg::RegKey writer(HKEY_CURRENT_USER, key.c_str());
        ASSERT_TRUE(writer.create());
        ASSERT_TRUE(writer.write(name, REG_DWORD, &value, sizeof(value)));
    }
    static void writeText(const std::u16string& key, const char16_t* name,
                          const std::u16string& text) {
        s::reg::RegKey writer(HKEY_CURRENT_USER, key.c_str());
        ASSERT_TRUE(writer.create());
        ASSERT_TRUE(writer.write(name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(char16_t)));
    }

    static std::u16string number(unsigned long value) {
        const std::string text = std::to_string(value);
        return std::u16string(text.begin(), text.end());
    }

    std::u16string vendorKey;
    s::app::AppIdentity identity;
    s::thread::PoolRef<s::app::win::AppBase> appBase;
    static inline int counter = 0;
};
