// Text in runs, each with its own format.
#include "norv/graphics/text/RichString.h"

namespace Norv {

RichString::RichString(WideString const& text, Text::Format const& format)
{
    Append(text, format);
}

RichString& RichString::Append(WideString const& text, Text::Format const& format)
{
    runs.emplace_back(text, format);
    return *this;
}

} // namespace Norv
