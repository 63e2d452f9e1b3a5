#include "PakWriter.h"

#include "tests/qrvl/support/FrameworkFixtures.h"

#include <lzma.h>

std::string LzmaEntry(std::string const& content, int64_t decodedSize)
{
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 6);
    options.dict_size = 1 << 16;
    lzma_filter const filters[] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    std::string stream(content.size() + content.size() / 2 + 1024, '\0');
    size_t written = 0;
    EXPECT_EQ(lzma_raw_buffer_encode(filters, nullptr, reinterpret_cast<uint8_t const*>(content.data()),
                                     content.size(), reinterpret_cast<uint8_t*>(&stream[0]), &written, stream.size()),
              LZMA_OK);
    stream.resize(written);
    uint8_t properties[5];
    EXPECT_EQ(lzma_properties_encode(&filters[0], properties), LZMA_OK);
    std::string entry(reinterpret_cast<char const*>(properties), sizeof properties);
    uint64_t const size = decodedSize < 0 ? content.size() : static_cast<uint64_t>(decodedSize);
    for (int i = 0; i < 8; ++i)
        entry += static_cast<char>(size >> (8 * i));
    return entry + stream;
}

PakFields PakFields::Pack(std::vector<std::pair<std::string, std::string>> const& files)
{
    PakFields fields;
    fields.count = static_cast<int32_t>(files.size());
    fields.headerSize = 13; // magic, header size and count
    std::vector<std::string> entries;
    for (auto const& [name, content] : files) {
        entries.push_back(LzmaEntry(content));
        fields.records.push_back({name, static_cast<int32_t>(entries.back().size()),
                                  static_cast<int32_t>(content.size()), 0});
        fields.headerSize += static_cast<int32_t>(16 + name.size()); // four ints and the name
    }
    int32_t offset = fields.headerSize;
    for (size_t i = 0; i < entries.size(); ++i) {
        fields.records[i].offset = offset;
        offset += static_cast<int32_t>(entries[i].size());
        fields.entryData += entries[i];
    }
    return fields;
}

std::string PakFields::Serialize() const
{
    StreamBytes out;
    out.Raw(magic).Int(headerSize).Int(count);
    for (PakRecord const& record : records)
        out.Utf(record.name).Int(record.storedSize).Int(record.size).Int(record.offset);
    return out.bytes + entryData;
}
