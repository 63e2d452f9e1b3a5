// The paths file's little-endian layout, written the way Splines reads it.
#include "qrvl/port/SplinesWriter.h"

#include "qrvl/port/Splines.h"

#include "norv/vfs/LittleEndian.h"

#include <cstring>

namespace {

void AppendFloat(std::vector<unsigned char>& out, float value)
{
    uint32_t raw;
    std::memcpy(&raw, &value, sizeof raw);
    Norv::AppendLittleEndian32(out, raw);
}

} // namespace

std::vector<unsigned char> EncodeSplines(std::vector<SplineRecord> const& records)
{
    std::vector<unsigned char> out;
    Norv::AppendLittleEndian32(out, Splines::kMagic);
    Norv::AppendLittleEndian32(out, static_cast<uint32_t>(records.size()));
    for (SplineRecord const& record : records) {
        Norv::AppendLittleEndian32(out, record.type);
        Norv::AppendLittleEndian32(out, static_cast<uint32_t>(record.points.size()));
        Norv::AppendLittleEndian32(out, record.startSpace);
        for (PVRTVec3 const& point : record.points) {
            AppendFloat(out, point.x);
            AppendFloat(out, point.y);
            AppendFloat(out, point.z);
        }
        for (std::size_t i = 1; i < record.points.size(); ++i)
            AppendFloat(out, (record.points[i] - record.points[i - 1]).length());
    }
    return out;
}
