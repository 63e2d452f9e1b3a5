// A URI split into its seven parts and put together again with
// percent-encoding.
#include "norv/network/Uri.h"

#include <cstring>

namespace Norv {

namespace {

bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~';
}

// Every byte that is neither unreserved nor in `keep` becomes "%" and two
// lower-case hexadecimal digits.
NarrowString Encode(NarrowString const& part, char const* keep)
{
    static char const digits[] = "0123456789abcdef";
    NarrowString encoded;
    for (char const c : part) {
        auto const byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte) || (byte != 0 && std::strchr(keep, c))) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += digits[byte >> 4];
            encoded += digits[byte & 0xf];
        }
    }
    return encoded;
}

// Cuts the text after the first `mark` off `text` and answers it.
NarrowString TakeTail(NarrowString& text, char mark)
{
    std::size_t const at = text.find(mark);
    if (at == NarrowString::npos)
        return NarrowString();
    NarrowString tail = text.substr(at + 1);
    text.erase(at);
    return tail;
}

// Escapes that stand in a part stay as they are ("%" is kept).
char const QueryKeeps[] = "=&%";
char const RequestQueryKeeps[] = "=&%/:";
char const FragmentKeeps[] = "%";
char const AuthorityKeeps[] = ":@%";

} // namespace

bool Uri::Parse(NarrowString const& text)
{
    std::size_t const colon = text.find(':');
    NarrowString rest = colon == NarrowString::npos ? NarrowString() : text.substr(colon + 1);
    if (colon == NarrowString::npos || rest.compare(0, 2, "//") != 0) {
        ParseError();
        return false;
    }
    scheme = text.substr(0, colon);
    fragment = TakeTail(rest, '#');
    query = TakeTail(rest, '?');
    NarrowString authority = rest.substr(2);
    std::size_t const slash = authority.find('/');
    path = slash == NarrowString::npos ? NarrowString() : authority.substr(slash);
    authority = authority.substr(0, slash);
    std::size_t const at = authority.rfind('@');
    user = at == NarrowString::npos ? NarrowString() : authority.substr(0, at);
    authority = at == NarrowString::npos ? authority : authority.substr(at + 1);
    port = TakeTail(authority, ':');
    host = authority;
    return true;
}

void Uri::ParseError()
{
    for (NarrowString* part : {&scheme, &user, &host, &port, &path, &query, &fragment})
        part->clear();
}

NarrowString Uri::GetAuthority() const
{
    if (host.empty())
        return NarrowString();
    NarrowString authority = user.empty() ? NarrowString() : user + "@";
    authority += host;
    if (!port.empty())
        authority += ":" + port;
    return authority;
}

NarrowString Uri::GetRequest() const
{
    NarrowString request = path;
    if (!query.empty())
        request += "?" + Encode(query, RequestQueryKeeps);
    if (!fragment.empty())
        request += "#" + Encode(fragment, FragmentKeeps);
    return request;
}

Uri::operator NarrowString() const
{
    NarrowString text = scheme + ":";
    NarrowString const authority = GetAuthority();
    if (!authority.empty())
        text += "//" + Encode(authority, AuthorityKeeps);
    text += path;
    if (!query.empty())
        text += "?" + Encode(query, QueryKeeps);
    if (!fragment.empty())
        text += "#" + Encode(fragment, FragmentKeeps);
    return text;
}

void Uri::AddQueryVar(NarrowString const& name, NarrowString const& value)
{
    if (!query.empty())
        query += "&";
    query += Encode(name, "") + "=" + Encode(value, "");
}

} // namespace Norv
