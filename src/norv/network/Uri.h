// A URI split into its seven parts and put together again with
// percent-encoding.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv {

// Parts are kept as they stand in the text, so an escape sequence ("%20")
// stays one; putting the URI together encodes what may not stand in it.
class Uri {
public:
    // scheme ":" "//" [user "@"] host [":" port] [path] ["?" query] ["#" fragment];
    // any other text clears every part and answers false.
    bool Parse(NarrowString const& text);
    // Clears all seven parts.
    void ParseError();
    // [user "@"] host [":" port]; empty without a host.
    NarrowString GetAuthority() const;
    // The path with the query and the fragment, as a request line names it.
    NarrowString GetRequest() const;
    operator NarrowString() const;
    // Appends name=value to the query, both encoded.
    void AddQueryVar(NarrowString const& name, NarrowString const& value);

    NarrowString scheme;
    NarrowString user;
    NarrowString host;
    NarrowString port;
    NarrowString path;
    NarrowString query;
    NarrowString fragment;
};

} // namespace Norv
