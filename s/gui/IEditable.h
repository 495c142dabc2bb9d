#pragma once

namespace s::gui {

// A component whose content the user may edit or only read (a text field).
// The editable and read-only switches (s::gui::events::Editabler and
// UnEditabler) act on components that implement it and pass over others.
class IEditable {
public:
    virtual ~IEditable() = default;
    virtual bool isEditable() const = 0;
    virtual void setEditable(bool editable) = 0;
};

} // namespace s::gui
