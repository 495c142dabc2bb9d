#include "s/lang/UserLanguage.h"

#include "s/lang/SystemLanguage.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

namespace s::lang {

namespace {

struct SpecialLanguage {
    std::uint16_t languageId;
    const char16_t* name;
};

// Identifiers whose primary language alone would pick the wrong pack.
constexpr SpecialLanguage kSpecialLanguages[] = {
    {0x0004, u"CHINESE_SIMPLIFIED"},
    {0x0804, u"CHINESE_SIMPLIFIED"},
    {0x1004, u"CHINESE_SIMPLIFIED"},
    {0x0404, u"CHINESE_TRADITIONAL"},
    {0x0C04, u"CHINESE_TRADITIONAL"},
    {0x1404, u"CHINESE_TRADITIONAL"},
    {0x7C04, u"CHINESE_TRADITIONAL"},
    {0x0416, u"PORTUGUESE_BRAZILIAN"},
    {0x0816, u"PORTUGUESE_PORTUGAL"},
    {0x001A, u"CROATIAN"},
    {0x041A, u"CROATIAN"},
    {0x101A, u"CROATIAN"},
    {0x081A, u"SERBIAN_LATIN"},
    {0x181A, u"SERBIAN_LATIN"},
    {0x0C1A, u"SERBIAN_CYRILLIC"},
    {0x1C1A, u"SERBIAN_CYRILLIC"},
    {0x7C1A, u"SERBIAN"},
    {0x201A, u"BOSNIAN"},
    {0x042E, u"UPPER_SORBIAN"},
    {0x082E, u"LOWER_SORBIAN"},
};

// Primary languages (the low byte of an identifier), indexed by their number;
// the names of the Windows LANG_ constants without the prefix. Gaps and
// numbers beyond the table have no name.
constexpr const char16_t* kPrimaryLanguages[] = {
    nullptr,          // 0x00
    u"ARABIC",        // 0x01
    u"BULGARIAN",     // 0x02
    u"CATALAN",       // 0x03
    u"CHINESE",       // 0x04
    u"CZECH",         // 0x05
    u"DANISH",        // 0x06
    u"GERMAN",        // 0x07
    u"GREEK",         // 0x08
    u"ENGLISH",       // 0x09
    u"SPANISH",       // 0x0A
    u"FINNISH",       // 0x0B
    u"FRENCH",        // 0x0C
    u"HEBREW",        // 0x0D
    u"HUNGARIAN",     // 0x0E
    u"ICELANDIC",     // 0x0F
    u"ITALIAN",       // 0x10
    u"JAPANESE",      // 0x11
    u"KOREAN",        // 0x12
    u"DUTCH",         // 0x13
    u"NORWEGIAN",     // 0x14
    u"POLISH",        // 0x15
    u"PORTUGUESE",    // 0x16
    u"ROMANSH",       // 0x17
    u"ROMANIAN",      // 0x18
    u"RUSSIAN",       // 0x19
    u"SERBIAN",       // 0x1A
    u"SLOVAK",        // 0x1B
    u"ALBANIAN",      // 0x1C
    u"SWEDISH",       // 0x1D
    u"THAI",          // 0x1E
    u"TURKISH",       // 0x1F
    u"URDU",          // 0x20
    u"INDONESIAN",    // 0x21
    u"UKRAINIAN",     // 0x22
    u"BELARUSIAN",    // 0x23
    u"SLOVENIAN",     // 0x24
    u"ESTONIAN",      // 0x25
    u"LATVIAN",       // 0x26
    u"LITHUANIAN",    // 0x27
    u"TAJIK",         // 0x28
    u"PERSIAN",       // 0x29
    u"VIETNAMESE",    // 0x2A
    u"ARMENIAN",      // 0x2B
    u"AZERI",         // 0x2C
    u"BASQUE",        // 0x2D
    nullptr,          // 0x2E
    u"MACEDONIAN",    // 0x2F
    nullptr,          // 0x30
    nullptr,          // 0x31
    u"TSWANA",        // 0x32
    nullptr,          // 0x33
    u"XHOSA",         // 0x34
    u"ZULU",          // 0x35
    u"AFRIKAANS",     // 0x36
    u"GEORGIAN",      // 0x37
    u"FAEROESE",      // 0x38
    u"HINDI",         // 0x39
    u"MALTESE",       // 0x3A
    u"SAMI",          // 0x3B
    u"IRISH",         // 0x3C
    nullptr,          // 0x3D
    u"MALAY",         // 0x3E
    u"KAZAK",         // 0x3F
    u"KYRGYZ",        // 0x40
    u"SWAHILI",       // 0x41
    u"TURKMEN",       // 0x42
    u"UZBEK",         // 0x43
    u"TATAR",         // 0x44
    u"BENGALI",       // 0x45
    u"PUNJABI",       // 0x46
    u"GUJARATI",      // 0x47
    u"ORIYA",         // 0x48
    u"TAMIL",         // 0x49
    u"TELUGU",        // 0x4A
    u"KANNADA",       // 0x4B
    u"MALAYALAM",     // 0x4C
    u"ASSAMESE",      // 0x4D
    u"MARATHI",       // 0x4E
    u"SANSKRIT",      // 0x4F
    u"MONGOLIAN",     // 0x50
    u"TIBETAN",       // 0x51
    u"WELSH",         // 0x52
    u"KHMER",         // 0x53
    u"LAO",           // 0x54
    nullptr,          // 0x55
    u"GALICIAN",      // 0x56
    u"KONKANI",       // 0x57
    nullptr,          // 0x58
    u"SINDHI",        // 0x59
    u"SYRIAC",        // 0x5A
    u"SINHALESE",     // 0x5B
    nullptr,          // 0x5C
    u"INUKTITUT",     // 0x5D
    u"AMHARIC",       // 0x5E
    u"TAMAZIGHT",     // 0x5F
    u"KASHMIRI",      // 0x60
    u"NEPALI",        // 0x61
    u"FRISIAN",       // 0x62
    u"PASHTO",        // 0x63
    u"FILIPINO",      // 0x64
    u"DIVEHI",        // 0x65
    nullptr,          // 0x66
    nullptr,          // 0x67
    u"HAUSA",         // 0x68
    nullptr,          // 0x69
    u"YORUBA",        // 0x6A
    u"QUECHUA",       // 0x6B
    u"SOTHO",         // 0x6C
    u"BASHKIR",       // 0x6D
    u"LUXEMBOURGISH", // 0x6E
    u"GREENLANDIC",   // 0x6F
    u"IGBO",          // 0x70
    nullptr,          // 0x71
    nullptr,          // 0x72
    u"TIGRIGNA",      // 0x73
    nullptr,          // 0x74
    nullptr,          // 0x75
    nullptr,          // 0x76
    nullptr,          // 0x77
    u"YI",            // 0x78
    nullptr,          // 0x79
    u"MAPUDUNGUN",    // 0x7A
    nullptr,          // 0x7B
    u"MOHAWK",        // 0x7C
    nullptr,          // 0x7D
    u"BRETON",        // 0x7E
    nullptr,          // 0x7F
    u"UIGHUR",        // 0x80
    u"MAORI",         // 0x81
    u"OCCITAN",       // 0x82
    u"CORSICAN",      // 0x83
    u"ALSATIAN",      // 0x84
    u"YAKUT",         // 0x85
    u"KICHE",         // 0x86
    u"KINYARWANDA",   // 0x87
    u"WOLOF",         // 0x88
    nullptr,          // 0x89
    nullptr,          // 0x8A
    nullptr,          // 0x8B
    u"DARI",          // 0x8C
};

constexpr std::uint32_t kPrimaryCount = sizeof(kPrimaryLanguages) / sizeof(kPrimaryLanguages[0]);

constexpr const char16_t* kUnknown = u"UNKNOWN";

// Long enough for the longest table name ("PORTUGUESE_BRAZILIAN").
constexpr std::uint32_t kMaxNameLength = 31;

struct CachedName {
    char16_t text[kMaxNameLength + 1] = {};
};

CachedName computeUserLanguageName() {
    CachedName cached;
    auto name = s::thread::PoolRef<s::str::strbuffer::StrBuffer>::take();
    if (!name) {
        return cached;
    }
    UserLanguage::nameFor(system::userUiLanguageId(), *name);
    std::uint32_t length = name->length() < kMaxNameLength ? name->length() : kMaxNameLength;
    for (std::uint32_t i = 0; i < length; ++i) {
        cached.text[i] = name->charAt(i);
    }
    return cached;
}

} // namespace

const char16_t* UserLanguage::tableNameFor(std::uint16_t languageId) {
    for (const SpecialLanguage& special : kSpecialLanguages) {
        if (special.languageId == languageId) {
            return special.name;
        }
    }
    std::uint32_t primary = languageId & 0xFFu;
    if (primary < kPrimaryCount && kPrimaryLanguages[primary] != nullptr) {
        return kPrimaryLanguages[primary];
    }
    return kUnknown;
}

void UserLanguage::nameFor(std::uint16_t languageId, s::str::strbuffer::StrBuffer& dest) {
    dest.assignWcs(tableNameFor(languageId));
    dest.toCapitalized();
}

const char16_t* userLanguageName() {
    // Thread-safe one-time initialisation; the text never changes afterwards.
    static const CachedName cached = computeUserLanguageName();
    return cached.text;
}

} // namespace s::lang
