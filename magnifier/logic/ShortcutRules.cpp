#include "magnifier/logic/ShortcutRules.h"

#include "s/str/Ascii.h"

namespace s::image::gui::dialogs::magnifier {

namespace {

constexpr const char16_t* kLinkExtension = u".lnk";
constexpr size_t kLinkExtensionLength = 4;
// The classic path limit of the shell's link and folder calls.
constexpr size_t kMaxPath = 260;

std::u16string textOf(const char16_t* text) {
    return text != nullptr ? std::u16string(text) : std::u16string();
}

bool isDriveLetter(char16_t unit) {
    return (unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z');
}

bool isForbiddenUnit(char16_t unit) {
    return unit < 32 || unit == u'<' || unit == u'>' || unit == u'"' || unit == u'|' ||
           unit == u'?' || unit == u'*';
}

} // namespace

std::u16string bootShortcutName(const char16_t* englishProductName, const char16_t* versionText) {
    return textOf(englishProductName) + u" " + textOf(versionText) + kLinkExtension;
}

bool hasLinkExtension(const char16_t* path) {
    const std::u16string text = textOf(path);
    if (text.size() < kLinkExtensionLength) {
        return false;
    }
    for (size_t i = 0; i < kLinkExtensionLength; ++i) {
        if (s::str::Ascii::toLower(text[text.size() - kLinkExtensionLength + i]) !=
            kLinkExtension[i]) {
            return false;
        }
    }
    return true;
}

std::u16string withLinkExtension(const char16_t* path) {
    return hasLinkExtension(path) ? textOf(path) : textOf(path) + kLinkExtension;
}

bool isWellFormedPath(const char16_t* path) {
    const std::u16string text = textOf(path);
    if (text.size() < 3 || text.size() >= kMaxPath) {
        return false;
    }
    const bool drive = isDriveLetter(text[0]) && text[1] == u':' && text[2] == u'\\';
    const bool network = text[0] == u'\\' && text[1] == u'\\' && text[2] != u'\\';
    if (!drive && !network) {
        return false;
    }
    for (size_t i = 2; i < text.size(); ++i) {
        if (isForbiddenUnit(text[i]) || text[i] == u':') {
            return false;
        }
    }
    return true;
}

std::u16string folderOf(const char16_t* path) {
    const std::u16string text = textOf(path);
    const size_t last = text.rfind(u'\\');
    if (last == std::u16string::npos) {
        return std::u16string();
    }
    // "C:\file" lies in the root "C:\", not in "C:".
    if (last == 2 && text[1] == u':') {
        return text.substr(0, 3);
    }
    return text.substr(0, last);
}

bool isDeletablePath(const char16_t* path) {
    return textOf(path).size() > 3;
}

} // namespace s::image::gui::dialogs::magnifier
