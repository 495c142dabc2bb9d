#pragma once
#include <cstdint>

namespace s::lang {

class Localizer;

// A text given by id through a borrowed localizer, as controls keep it: the
// id (or none, when the text was set directly) and the localizer the
// component's window hands down. The owner shows what resolve() answers
// whenever the id or the localizer changes, so a text given by id follows
// the language; a text set directly stays as written.
//
// A plain value inside its owner, used on the owner's thread; the localizer
// is borrowed and must outlive its use here.
class TextById {
public:
    static constexpr std::int32_t kNoId = -1;

    // No id and no localizer.
    void reset();
    // The text is set directly from now on: later localizers leave it alone.
    void forgetId() { id = kNoId; }
    void setId(std::int32_t textId) { id = textId; }
    void setLocalizer(Localizer* textSource) { localizer = textSource; }
    std::int32_t getId() const { return id; }
    bool hasId() const { return id != kNoId; }
    // The text to show: the localizer's text for the id, the empty text
    // without a localizer, null without an id (the shown text stays).
    const char16_t* resolve() const;

private:
    std::int32_t id = kNoId;
    Localizer* localizer = nullptr;
};

} // namespace s::lang
