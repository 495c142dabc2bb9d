#pragma once
// Doubles and a language pack for the update check's tests, native and
// under Wine: a scripted network, a recording asker and page opener, and a
// pack whose product block the test chooses.

#include "s/app/update/IPageOpener.h"
#include "s/app/update/IUpdateAsker.h"
#include "s/app/update/IUpdateNetwork.h"
#include "s/app/update/UpdateCheck.h"
#include "s/lang/Localizer.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"
#include "s/xml/MappedData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vexa::test {

// The product block of the test packs starts here, as in the program's.
constexpr std::int32_t kTextBase = 500000;
constexpr const char16_t* kWindowName = u"MainWindow";
constexpr const char16_t* kVersionSection = u"MainWindow\\Version";

inline std::string utf8(const std::u16string& text) {
    std::string bytes;
    for (const char16_t unit : text) {
        // The tests' texts are ASCII.
        bytes.push_back(static_cast<char>(unit));
    }
    return bytes;
}

// English with every text of the check; German with 400200 left empty (the
// check switched off).
inline std::string
updatePack(const std::u16string& versionPage, const std::u16string& versionText = u"1.19",
           const std::u16string& productPage = u"https://vexasoft.example/software/Magnifier/") {
    auto entry = [](std::int32_t id, const std::string& english, const std::string& german) {
        return "<entry id=\"" + std::to_string(id) + "\"><eng>" + english + "</eng><deu>" + german +
               "</deu></entry>\r\n";
    };
    return "<lang><languages>"
           "<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
           "<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
           "</languages><entries>\r\n" +
           entry(400200, "Check for Updates", "") +
           entry(400210, "There is improved version available.", "Neue Version.") +
           entry(400230, "Would you like to check it out?", "Ansehen?") +
           entry(400330, "&#160;      Yes      &#160;", "&#160;      Ja      &#160;") +
           entry(400340, "&#160;      No      &#160;", "&#160;      Nein      &#160;") +
           entry(kTextBase + 3, utf8(productPage), utf8(productPage)) +
           entry(kTextBase + 6, utf8(versionPage), utf8(versionPage)) +
           entry(kTextBase + 10, utf8(versionText), utf8(versionText)) + "</entries></lang>";
}

inline s::thread::PoolRef<s::lang::Localizer> englishLocalizer(const std::string& pack) {
    s::thread::PoolRef<s::lang::Localizer> localizer(
        s::lang::Localizer::load(reinterpret_cast<const std::uint8_t*>(pack.data()), pack.size()));
    localizer->setLanguage(u"English");
    return localizer;
}

// A settings store without a file.
inline s::thread::PoolRef<s::xml::MappedData> memoryStore() {
    return s::thread::PoolRef<s::xml::MappedData>(s::xml::MappedData::open(nullptr));
}

class ScriptedNetwork final : public s::app::update::IUpdateNetwork {
public:
    bool isConnected() override {
        ++probes;
        return connected;
    }
    bool fetch(const char16_t* address, s::str::strbuffer::StrBuffer& answerText) override {
        requests.emplace_back(address);
        answerText.clear();
        if (!succeeds) {
            return false;
        }
        answerText.append(answer.data(), static_cast<std::uint32_t>(answer.size()));
        return true;
    }

    bool connected = true;
    bool succeeds = true;
    std::u16string answer = u"*1.20";
    int probes = 0;
    std::vector<std::u16string> requests;
};

class RecordingAsker final : public s::app::update::IUpdateAsker {
public:
    bool askYesNo(const char16_t* titleText, const char16_t* messageText, const char16_t* yes,
                  const char16_t* no) override {
        ++asked;
        title = titleText;
        message = messageText;
        yesText = yes;
        noText = no;
        return answer;
    }

    bool answer = false;
    int asked = 0;
    std::u16string title;
    std::u16string message;
    std::u16string yesText;
    std::u16string noText;
};

class RecordingOpener final : public s::app::update::IPageOpener {
public:
    bool openPage(const char16_t* address) override {
        opened.emplace_back(address);
        return true;
    }

    std::vector<std::u16string> opened;
};

} // namespace vexa::test
