// The language pack reader and the localizer on arbitrary bytes: loading,
// choosing every language by index and by name, and looking texts up must
// never fail, whatever the document holds.
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/thread/PoolRef.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    s::thread::PoolRef<s::lang::Localizer> localizer(s::lang::Localizer::load(data, size));
    if (!localizer) {
        return 0;
    }
    const std::int32_t probes[] = {0, 1, 100000, 300000, 400200, 2010001000, -1};
    for (std::uint32_t i = 0; i <= localizer->packCount(); ++i) {
        localizer->selectIndex(static_cast<std::int32_t>(i));
        s::lang::LangPack* current = localizer->getCurrent();
        if (current != nullptr) {
            localizer->setLanguage(current->getEngName());
            localizer->findByTag(current->getTagName());
            for (std::uint32_t k = 0; k < current->textCount(); ++k) {
                localizer->getText(current->idAt(k));
            }
        }
        for (std::int32_t id : probes) {
            localizer->getText(id);
            localizer->getEnglishText(id);
        }
        localizer->isUpdateCheckEnabled();
    }
    localizer->setLanguage(u"Chinese");
    localizer->setLanguage(u"Serbian");
    localizer->setLanguage(u"Portuguese_portugal");
    localizer->getNamedText(u"");
    return 0;
}
