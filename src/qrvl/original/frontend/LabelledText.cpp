// A label and its value.
#include "qrvl/original/frontend/LabelledText.h"

#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/phone/text/CLocalise.h"

namespace qrvl {

std::string LabelledText(char const* labelId, std::string const& value)
{
    char const* const texts[] = {FGStringManager::getString(labelId), value.c_str()};
    return CLocalise::Fill("\\0 \\1", texts, 2);
}

} // namespace qrvl
