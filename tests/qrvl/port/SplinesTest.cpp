// The paths file through the real file system, malformed files refused
// whole, and the curves built from its records.
#include "tests/support/TempFolder.h"

#include "norv/vfs/Vfs.h"
#include "qrvl/port/Nurbs.h"
#include "qrvl/port/Splines.h"
#include "qrvl/port/SplinesWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::vector<SplineRecord> const kRecords = {
    {Spline::kCarPath, 12, {PVRTVec3(0, 0, 0), PVRTVec3(10, 0, 0), PVRTVec3(20, 0, 0)}},
    {Spline::kSpacePoints, 3, {PVRTVec3(1, 2, 3)}},
    {Spline::kSpacePoints, 152, {PVRTVec3(-1, 0, 4), PVRTVec3(-2, 0, 8)}},
};

std::string Bytes(std::vector<unsigned char> const& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

TEST(SplinesTest, RoundTripThroughTheFileSystem)
{
    TempFolder folder;
    folder.Write("splines.bin", Bytes(EncodeSplines(kRecords)));
    Norv::Vfs::Initialize();
    Norv::MountNative((folder / "").c_str(), "", 0);
    Splines splines;
    EXPECT_TRUE(splines.Serialise(Splines::kFileName));
    Norv::Vfs::Shutdown();

    ASSERT_EQ(splines.GetCount(), 3u);
    for (unsigned i = 0; i < 3; ++i) {
        Spline const* spline = splines.GetSpline(i);
        EXPECT_EQ(spline->GetType(), kRecords[i].type);
        EXPECT_EQ(spline->GetStartPos(), kRecords[i].startSpace);
        ASSERT_EQ(spline->GetCount(), kRecords[i].points.size());
        for (unsigned p = 0; p < spline->GetCount(); ++p)
            EXPECT_EQ(spline->GetPos(p).z, kRecords[i].points[p].z);
    }
    // A one-point record has no lengths: the next record follows its point.
    EXPECT_NEAR(splines.GetSpline(2)->GetLength(0), 4.1231055f, 1e-5f);
    EXPECT_EQ(splines.GetSpline(3), nullptr);
}

TEST(SplinesTest, AMissingFileGivesNoRecords)
{
    Norv::Vfs::Initialize();
    Splines splines;
    EXPECT_FALSE(splines.Serialise("splines.bin"));
    EXPECT_EQ(splines.GetCount(), 0u);
    Norv::Vfs::Shutdown();
}

void PutU32(std::string& bytes, std::size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

TEST(SplinesTest, MalformedFilesAreRefusedWhole)
{
    std::string const good = Bytes(EncodeSplines(kRecords));
    struct Case {
        char const* what;
        std::string bytes;
    };
    std::vector<Case> cases = {
        {"empty", ""},
        {"magic only", good.substr(0, 4)},
        {"cut in a point", good.substr(0, 30)},
        {"cut before the last record", good.substr(0, good.size() - 28)},
        {"one byte short", good.substr(0, good.size() - 1)},
        {"a byte too many", good + '\0'},
    };
    // One 32-bit field changed: magic 0, record count 4, first point count 12.
    auto changed = [&good](std::size_t at, uint32_t value) {
        std::string bytes = good;
        PutU32(bytes, at, value);
        return bytes;
    };
    cases.push_back({"other magic", changed(0, 0x059117E6)});
    cases.push_back({"record count beyond the file", changed(4, 0xFFFFFFFF)});
    cases.push_back({"one record missing", changed(4, 4)});
    cases.push_back({"point count beyond the file", changed(12, 0xFFFFFFFF)});
    cases.push_back({"record without points", changed(12, 0)});
    cases.push_back({"point count too large by one", changed(12, 4)});

    for (Case const& c : cases) {
        Splines splines;
        auto const* data = reinterpret_cast<unsigned char const*>(c.bytes.data());
        EXPECT_FALSE(splines.Parse(c.bytes.empty() ? nullptr : data, c.bytes.size())) << c.what;
        EXPECT_EQ(splines.GetCount(), 0u) << c.what;
    }
}

void ExpectNear(PVRTVec3 const& actual, PVRTVec3 const& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
    EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}

Norv::SmartPtr<Nurbs> CurveThrough(std::vector<PVRTVec3> const& points)
{
    std::vector<unsigned char> const bytes = EncodeSplines({{Spline::kCarPath, 0, points}});
    Splines splines;
    EXPECT_TRUE(splines.Parse(bytes.data(), bytes.size()));
    return Norv::SmartPtr<Nurbs>(new Nurbs(splines.GetSpline(0)));
}

TEST(NurbsTest, AStraightCurveRunsFromTheFirstMidpointToTheLastPoint)
{
    Norv::SmartPtr<Nurbs> curve = CurveThrough({PVRTVec3(0, 0, 0), PVRTVec3(10, 0, 0), PVRTVec3(20, 0, 0)});
    PVRTVec3 point;
    curve->GetNurbsPos(&point, 0, 0.0f);
    ExpectNear(point, PVRTVec3(5, 0, 0));
    curve->GetNurbsPos(&point, 0, 1.0f);
    ExpectNear(point, PVRTVec3(15, 0, 0));
    curve->GetNurbsPos(&point, 1, 1.0f);
    ExpectNear(point, PVRTVec3(20, 0, 0));
    EXPECT_NEAR(curve->GetLength(), 15.0f, 1e-3f);

    PVRTVec3 tangent;
    unsigned segment = 99;
    curve->CalcPointAtDist(-3.0f, &point, &tangent, &segment);
    ExpectNear(point, PVRTVec3(5, 0, 0));
    ExpectNear(tangent, PVRTVec3(1, 0, 0));
    EXPECT_EQ(segment, 0u);
    curve->CalcPointAtDist(100.0f, &point, nullptr, &segment);
    ExpectNear(point, PVRTVec3(20, 0, 0));
    EXPECT_EQ(segment, 1u);
    curve->CalcPointAtDist(7.5f, &point, nullptr, nullptr);
    ExpectNear(point, PVRTVec3(12.5f, 0, 0));
}

TEST(NurbsTest, ABentCurveStaysInsideItsPointsAndTurnsSmoothly)
{
    Norv::SmartPtr<Nurbs> curve
        = CurveThrough({PVRTVec3(0, 0, 0), PVRTVec3(100, 0, 0), PVRTVec3(100, 0, 100), PVRTVec3(0, 0, 100)});
    PVRTVec3 previousTangent(1, 0, 0);
    for (float d = 0.0f; d <= curve->GetLength(); d += 5.0f) {
        PVRTVec3 point, tangent;
        curve->CalcPointAtDist(d, &point, &tangent, nullptr);
        EXPECT_GE(point.x, -1e-3f);
        EXPECT_LE(point.x, 100.0f);
        EXPECT_NEAR(tangent.length(), 1.0f, 1e-4f);
        EXPECT_GT(tangent.dot(previousTangent), 0.9f) << d; // no kinks
        previousTangent = tangent;
    }
    PVRTVec3 end;
    curve->CalcPointAtDist(curve->GetLength(), &end, nullptr, nullptr);
    ExpectNear(end, PVRTVec3(0, 0, 100));
}

TEST(NurbsTest, RepeatedPointsGiveNoDirectionRatherThanNaN)
{
    Norv::SmartPtr<Nurbs> curve = CurveThrough({PVRTVec3(3, 0, 3), PVRTVec3(3, 0, 3)});
    PVRTVec3 tangent(9, 9, 9);
    curve->GetNurbsTangent(&tangent, 0, 0.5f);
    ExpectNear(tangent, PVRTVec3());
    EXPECT_NEAR(curve->GetLength(), 0.0f, 1e-4f);

    Norv::SmartPtr<Nurbs> single = CurveThrough({PVRTVec3(1, 1, 1)});
    PVRTVec3 untouched(7, 7, 7);
    single->CalcPointAtDist(0.0f, &untouched, nullptr, nullptr);
    ExpectNear(untouched, PVRTVec3(7, 7, 7));
}

} // namespace
