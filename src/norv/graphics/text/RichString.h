// Text in runs, each with its own format.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/graphics/text/Format.h"

#include <list>
#include <utility>

namespace Norv {

class RichString : public RefCounter {
public:
    using Run = std::pair<WideString, Text::Format>;

    RichString(WideString const& text, Text::Format const& format);

    // Adds a run (an empty text too); the format is copied without its
    // chain links.
    RichString& Append(WideString const& text, Text::Format const& format);

    std::list<Run> const& GetRuns() const { return runs; }

private:
    std::list<Run> runs;
};

} // namespace Norv
