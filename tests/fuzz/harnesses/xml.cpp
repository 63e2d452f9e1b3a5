// XML documents: any bytes parse into a tree or are refused.
#include "norv/base/core/SmartPtr.h"
#include "norv/base/Xml.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    char* buffer = new char[size + 1];
    std::memcpy(buffer, data, size);
    buffer[size] = '\0';
    Norv::SmartPtr<Norv::Xml> document(Norv::Xml::Create(buffer, static_cast<int>(size)));
    return 0;
}
