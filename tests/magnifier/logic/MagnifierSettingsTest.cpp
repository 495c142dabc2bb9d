#include "magnifier/logic/MagnifierSettings.h"

#include <gtest/gtest.h>

#include <string>

#include "s/io/File.h"
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/thread/PoolRef.h"
#include "s/xml/MappedData.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
using magnifier::MagnifierSettings;
using s::io::File;
using s::lang::Localizer;
using s::thread::PoolRef;
using s::xml::MappedData;

namespace {

// A settings document of its own in the test's temporary folder.
PoolRef<MappedData> freshStore(const char* name) {
    static int counter = 0;
    const std::string folder =
        ::testing::TempDir() + "vexa-view-" + name + "-" + std::to_string(++counter);
    const std::u16string path =
        std::u16string(folder.begin(), folder.end()) + u"/savedata/SaveData.xml";
    File::remove(path.c_str());
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    store->setAutoSave(true);
    return store;
}

PoolRef<Localizer> threeLanguages() {
    static const char kPack[] = "<lang><languages>"
                                "<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
                                "<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
                                "<entry tagName=\"jpn\" engName=\"Japanese\" trueName=\"x\"/>"
                                "</languages><entries/></lang>";
    PoolRef<Localizer> localizer(
        Localizer::load(reinterpret_cast<const uint8_t*>(kPack), sizeof(kPack) - 1));
    localizer->setLanguage(u"English");
    return localizer;
}

std::u16string currentName(Localizer& localizer) {
    return localizer.getCurrent()->getEngName();
}

} // namespace

TEST(MagnifierSettingsTest, NothingStoredGivesTheDefaultsAndCreatesNothing) {
    PoolRef<MappedData> store = freshStore("defaults");
    const MagnifierSettings settings = MagnifierSettings::read(store.get());
    EXPECT_TRUE(settings.isOn);
    EXPECT_TRUE(settings.autoLock);
    EXPECT_EQ(1, settings.keyType);
    EXPECT_EQ(200, settings.magnificationLevel);
    EXPECT_FALSE(store->hasSection(u"View"));
    EXPECT_EQ(200, MagnifierSettings::read(nullptr).magnificationLevel);
}

TEST(MagnifierSettingsTest, EachSettingIsWrittenUnderItsKeyAndReadBack) {
    PoolRef<MappedData> store = freshStore("written");
    MagnifierSettings::writeIsOn(*store, false);
    MagnifierSettings::writeAutoLock(*store, false);
    MagnifierSettings::writeKeyType(*store, 5);
    MagnifierSettings::writeMagnificationLevel(*store, 800);
    EXPECT_FALSE(store->getBool(u"View", u"IsOn", true));
    EXPECT_FALSE(store->getBool(u"View", u"AutoLock", true));
    EXPECT_EQ(std::u16string(u"CtrlAlt"), store->getString(u"View", u"KeyType", u""));
    EXPECT_EQ(800, store->getInt32(u"View", u"MagnificationLevel", 0));
    const MagnifierSettings settings = MagnifierSettings::read(store.get());
    EXPECT_FALSE(settings.isOn);
    EXPECT_FALSE(settings.autoLock);
    EXPECT_EQ(5, settings.keyType);
    EXPECT_EQ(800, settings.magnificationLevel);

    // No key type, no key name.
    MagnifierSettings::writeKeyType(*store, 7);
    MagnifierSettings::writeKeyType(*store, 0);
    EXPECT_EQ(std::u16string(u"CtrlAlt"), store->getString(u"View", u"KeyType", u""));
}

TEST(MagnifierSettingsTest, AKeyNameInAnyCaseIsReadAndAnUnknownOneMeansRightCtrlAndStays) {
    PoolRef<MappedData> store = freshStore("keys");
    store->setString(u"View", u"KeyType", u"cTRLsHIFT");
    EXPECT_EQ(4, MagnifierSettings::read(store.get()).keyType);
    store->setString(u"View", u"KeyType", u"Ctrl+Shift");
    EXPECT_EQ(1, MagnifierSettings::read(store.get()).keyType);
    EXPECT_EQ(std::u16string(u"Ctrl+Shift"), store->getString(u"View", u"KeyType", u""));
    // Any level is read as it is; the lens limits its effect.
    store->setInt32(u"View", u"MagnificationLevel", 333);
    EXPECT_EQ(333, MagnifierSettings::read(store.get()).magnificationLevel);
}

TEST(MagnifierSettingsTest, TheStoredLanguageIsRestoredAndAnUnknownOneReplacedByEnglish) {
    PoolRef<Localizer> localizer = threeLanguages();
    PoolRef<MappedData> store = freshStore("language");
    // Nothing stored: the language stays and nothing is written.
    MagnifierSettings::restoreLanguage(*store, *localizer);
    EXPECT_EQ(std::u16string(u"English"), currentName(*localizer));
    EXPECT_FALSE(store->hasSection(u"Language"));

    store->setString(u"Language", u"", u"german");
    MagnifierSettings::restoreLanguage(*store, *localizer);
    EXPECT_EQ(std::u16string(u"German"), currentName(*localizer));
    EXPECT_EQ(std::u16string(u"german"), store->getString(u"Language", u"", u""));

    store->setString(u"Language", u"", u"Klingon");
    MagnifierSettings::restoreLanguage(*store, *localizer);
    EXPECT_EQ(std::u16string(u"English"), currentName(*localizer));
    EXPECT_EQ(std::u16string(u"English"), store->getString(u"Language", u"", u""));

    localizer->selectIndex(2);
    MagnifierSettings::writeLanguage(*store, *localizer);
    EXPECT_EQ(std::u16string(u"Japanese"), store->getString(u"Language", u"", u""));
}
