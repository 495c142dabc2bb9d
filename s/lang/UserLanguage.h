#pragma once
#include <cstdint>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::lang {

// The name of a Windows user-interface language, as the language pack's
// English language names spell it ('German', 'Chinese_simplified',
// 'Portuguese_brazilian', 'Unknown').
//
// The language identifier (LANGID) is looked up in the table of special
// identifiers first (the Chinese, Portuguese and Serbo-Croatian variants,
// whose primary language alone does not tell the pack), then its low byte in
// the table of primary languages. The table name is converted to lower case
// with the first letter upper case.
class UserLanguage {
public:
    // Writes the name for the identifier into dest (replacing its text).
    static void nameFor(std::uint16_t languageId, s::str::strbuffer::StrBuffer& dest);
    // The upper-case table name for the identifier, "UNKNOWN" when neither
    // table has it.
    static const char16_t* tableNameFor(std::uint16_t languageId);
};

// The name for the user-interface language of the running system (see
// s/lang/SystemLanguage.h), determined on the first call and the same for the
// rest of the process. Never null.
const char16_t* userLanguageName();

} // namespace s::lang
