#pragma once
#include "s/base/IObject.h"

namespace s::xml {

// The root of the XML document classes: an element tree object that can be
// read from and written to text (see Node).
class IXml : public s::base::IObject {};

} // namespace s::xml
