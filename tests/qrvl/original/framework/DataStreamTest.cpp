// The big-endian data streams: exact bytes, round trips, the sticky read
// error and the writer's growable and fixed modes.
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace {

std::string Bytes(FGData const& data)
{
    return std::string(reinterpret_cast<char const*>(data.getData()), static_cast<size_t>(data.getLength()));
}

std::string Written(std::function<void(FGDataWriter&)> const& write)
{
    FGDataWriter writer;
    write(writer);
    return Bytes(*writer.getData());
}

// A reader over its own copy of `bytes`.
class ReaderOver {
public:
    explicit ReaderOver(std::string const& bytes)
    {
        data.duplicate(reinterpret_cast<unsigned char const*>(bytes.data()), static_cast<int>(bytes.size()));
        reader.init(&data);
    }
    FGDataReader* operator->() { return &reader; }

private:
    FGData data;
    FGDataReader reader;
};

} // namespace

TEST(DataStreamTest, EachTypeIsWrittenAsItsBytes)
{
    double const one = 1.0;
    struct Case {
        char const* what;
        std::function<void(FGDataWriter&)> write;
        std::string bytes;
    } const cases[] = {
        {"int 1", [](FGDataWriter& w) { w.writeInt(1); }, std::string("\0\0\0\1", 4)},
        {"int -2", [](FGDataWriter& w) { w.writeInt(-2); }, "\xFF\xFF\xFF\xFE"},
        {"long", [](FGDataWriter& w) { w.writeLong(0x01020304); }, "\x01\x02\x03\x04"},
        {"short -2", [](FGDataWriter& w) { w.writeShort(-2); }, "\xFF\xFE"},
        {"true", [](FGDataWriter& w) { w.writeBoolean(true); }, "\x01"},
        {"false", [](FGDataWriter& w) { w.writeBoolean(false); }, std::string(1, '\0')},
        {"byte", [](FGDataWriter& w) { w.writeByte(0xAB); }, "\xAB"},
        {"double in host order", [](FGDataWriter& w) { w.writeDouble(1.0); },
         std::string(reinterpret_cast<char const*>(&one), sizeof one)},
        {"empty string", [](FGDataWriter& w) { w.writeUTF(FGString()); }, std::string(4, '\0')},
        {"UTF-8 string", [](FGDataWriter& w) { w.writeUTF(FGString("h\xC3\xA9")); },
         std::string("\0\0\0\3h\xC3\xA9", 7)},
    };
    for (Case const& c : cases)
        EXPECT_EQ(Written(c.write), c.bytes) << c.what;
    // The program's processor is little-endian: 1.0 is 00 .. F0 3F.
    EXPECT_EQ(Written([](FGDataWriter& w) { w.writeDouble(1.0); }), std::string("\0\0\0\0\0\0\xF0\x3F", 8));
}

TEST(DataStreamTest, EveryTypeReadsBackInOrder)
{
    std::string const longText(3000, 'x'); // beyond any small scratch buffer
    FGData raw;
    raw.duplicate(reinterpret_cast<unsigned char const*>("RAW!"), 4);
    FGDataWriter writer;
    writer.writeBoolean(true);
    writer.writeByte(200);
    writer.writeShort(-12345);
    writer.writeInt(INT_MIN);
    writer.writeLong(123456789);
    writer.writeDouble(-2.5e-300);
    writer.writeUTF(FGString(longText.c_str()));
    writer.writeUTF(FGString("caf\xC3\xA9"));
    writer.writeRaw(raw, 4);
    std::unique_ptr<FGData> data = writer.getData();

    FGDataReader reader;
    reader.init(data.get());
    EXPECT_TRUE(reader.readBoolean());
    EXPECT_EQ(reader.readByte(), 200);
    EXPECT_EQ(reader.readShort(), -12345);
    EXPECT_EQ(reader.readInt(), INT_MIN);
    EXPECT_EQ(reader.readLong(), 123456789);
    EXPECT_EQ(reader.readDouble(), -2.5e-300);
    EXPECT_STREQ(reader.readUTF().getNativeString(), longText.c_str());
    EXPECT_STREQ(reader.readUTF().getNativeString(), "caf\xC3\xA9");
    FGData back;
    back.init(4);
    EXPECT_TRUE(reader.readRaw(back, 4));
    EXPECT_EQ(Bytes(back), "RAW!");
    EXPECT_FALSE(reader.hasError());
    EXPECT_EQ(reader.getDataPos(), data->getLength());
    EXPECT_EQ(reader.getRemaining(), 0);
}

TEST(DataStreamTest, BooleansTakeBitZeroOfTheByte)
{
    ReaderOver reader(std::string("\x03\x02\x00\xFF", 4));
    EXPECT_TRUE(reader->readBoolean());
    EXPECT_FALSE(reader->readBoolean());
    EXPECT_FALSE(reader->readBoolean());
    EXPECT_TRUE(reader->readBoolean());
}

TEST(DataStreamTest, AReadPastTheEndSetsAStickyError)
{
    ReaderOver reader(std::string("\x01\x02\x03", 3));
    EXPECT_EQ(reader->readInt(), 0);
    EXPECT_TRUE(reader->hasError());
    EXPECT_EQ(reader->getDataPos(), 0); // a failed typed read does not move
    EXPECT_EQ(reader->readByte(), 0);   // although one byte would fit
    EXPECT_EQ(reader->readShort(), 0);
    EXPECT_EQ(reader->readDouble(), 0.0);
    EXPECT_FALSE(reader->readBoolean());
    EXPECT_STREQ(reader->readUTF().getNativeString(), "");
    EXPECT_EQ(reader->getDataPos(), 0);
}

TEST(DataStreamTest, MalformedStringsAndCountsFailCleanly)
{
    struct Case {
        char const* what;
        std::string bytes;
    } const cases[] = {
        {"negative length", std::string("\xFF\xFF\xFF\xFF" "abc", 7)},
        {"length beyond the end", std::string("\0\0\0\x09" "abc", 7)},
        {"largest length", std::string("\x7F\xFF\xFF\xFF" "abc", 7)},
        {"smallest length", std::string("\x80\0\0\0" "abc", 7)},
        {"length cut short", std::string("\0\0", 2)},
        {"nothing at all", std::string()},
    };
    for (Case const& c : cases) {
        ReaderOver reader(c.bytes);
        EXPECT_STREQ(reader->readUTF().getNativeString(), "") << c.what;
        EXPECT_TRUE(reader->hasError()) << c.what;
    }
    for (Case const& c : cases) {
        ReaderOver reader(c.bytes);
        EXPECT_EQ(reader->readCount(1), 0) << c.what;
        EXPECT_TRUE(reader->hasError()) << c.what;
    }
    ReaderOver fits(std::string("\0\0\0\x02" "abcdefgh", 12));
    EXPECT_EQ(fits->readCount(4), 2); // 8 bytes remain for two records of 4
    ReaderOver lies(std::string("\0\0\0\x03" "abcdefgh", 12));
    EXPECT_EQ(lies->readCount(4), 0);
}

TEST(DataStreamTest, PositionsOutsideTheDataReadNothing)
{
    for (int position : {-1, -4, INT_MIN, 5, 9, INT_MAX}) {
        ReaderOver reader("abcd");
        reader->setDataPos(position);
        EXPECT_EQ(reader->getRemaining(), 0) << position;
        EXPECT_EQ(reader->readByte(), 0) << position;
        EXPECT_TRUE(reader->hasError()) << position;
        char byte = 'z';
        EXPECT_FALSE(reader->readFromData(&byte, 1)) << position;
        EXPECT_EQ(byte, 'z');
    }
    ReaderOver reader("abcd");
    reader->setDataPos(4);
    EXPECT_EQ(reader->readInt(), 0); // at the very end: nothing left
    EXPECT_TRUE(reader->hasError());
}

TEST(DataStreamTest, RawReadsCheckTheTargetAndTheSource)
{
    ReaderOver reader("abcdef");
    FGData small;
    small.init(2);
    EXPECT_FALSE(reader->readRaw(small, 3)); // the target cannot hold it
    EXPECT_FALSE(reader->hasError());
    EXPECT_EQ(reader->getDataPos(), 0);

    FGData target;
    target.init(10);
    EXPECT_TRUE(reader->readRaw(target, 4));
    EXPECT_EQ(Bytes(target), "abcd");
    EXPECT_FALSE(reader->readRaw(target, 3)); // only two bytes remain
    EXPECT_EQ(target.getLength(), 0);
    EXPECT_TRUE(reader->hasError());

    // The raw copy does not look at the error flag first.
    char two[2];
    EXPECT_TRUE(reader->readFromData(two, 2));
    EXPECT_EQ(std::string(two, 2), "ef");
}

TEST(DataStreamTest, TheGrowableWriterHandsOverExactlyWhatWasWritten)
{
    FGDataWriter writer;
    for (int i = 0; i < 1500; ++i)
        writer.writeByte(static_cast<unsigned char>(i));
    EXPECT_EQ(writer.getDataPos(), 1500);
    std::unique_ptr<FGData> data = writer.getData();
    ASSERT_EQ(data->getLength(), 1500);
    EXPECT_EQ(data->getCapacity(), 1500);
    EXPECT_TRUE(data->isOwned());
    EXPECT_EQ(data->getData()[1499], static_cast<unsigned char>(1499));
    EXPECT_EQ(writer.getDataPos(), 0); // left empty
    EXPECT_EQ(writer.getData()->getLength(), 0);

    FGDataWriter fresh;
    std::unique_ptr<FGData> empty = fresh.getData();
    EXPECT_EQ(empty->getLength(), 0);
    EXPECT_EQ(empty->getData(), nullptr);
}

TEST(DataStreamTest, TheWriterCanGoBackAndOverwrite)
{
    FGDataWriter writer;
    writer.writeInt(0);
    writer.writeInt(7);
    int const end = writer.getDataPos();
    writer.setDataPos(0);
    writer.writeInt(1);
    writer.setDataPos(end);
    EXPECT_EQ(Bytes(*writer.getData()), std::string("\0\0\0\1\0\0\0\7", 8));

    // A position moved past the bytes written leaves zeros in the gap.
    writer.writeByte('a');
    writer.setDataPos(3000);
    writer.writeByte('b');
    std::string const gapped = Bytes(*writer.getData());
    ASSERT_EQ(gapped.size(), 3001u);
    EXPECT_EQ(gapped[0], 'a');
    EXPECT_EQ(gapped.substr(1, 2999), std::string(2999, '\0'));
    EXPECT_EQ(gapped[3000], 'b');

    writer.setDataPos(-1);
    EXPECT_FALSE(writer.writeInt(5));
    writer.setDataPos(INT_MAX - 1);
    EXPECT_FALSE(writer.writeInt(5));
}

TEST(DataStreamTest, TheFixedWriterNeverOverrunsItsTarget)
{
    FGData target;
    target.init(6);
    FGDataWriter writer;
    writer.init(&target);
    EXPECT_TRUE(writer.writeInt(0x41424344));
    EXPECT_FALSE(writer.writeInt(1)); // 8 bytes do not fit in 6
    EXPECT_EQ(writer.getDataPos(), 4);
    EXPECT_TRUE(writer.writeShort(0x4546));
    std::unique_ptr<FGData> view = writer.getData();
    EXPECT_EQ(target.getLength(), 6);
    EXPECT_EQ(Bytes(target), "ABCDEF");
    EXPECT_EQ(view->getData(), target.getData());
    EXPECT_FALSE(view->isOwned());
    view.reset(); // the view never frees the target's bytes
    EXPECT_EQ(Bytes(target), "ABCDEF");
}

TEST(DataStreamTest, RawWritesNeedTheBytesTheyCopy)
{
    FGData from;
    from.duplicate(reinterpret_cast<unsigned char const*>("abc"), 3);
    FGDataWriter writer;
    EXPECT_FALSE(writer.writeRaw(from, 4));
    EXPECT_FALSE(writer.writeRaw(from, -1));
    EXPECT_EQ(writer.getDataPos(), 0);
    EXPECT_TRUE(writer.writeRaw(from, 2));
    EXPECT_EQ(Bytes(*writer.getData()), "ab");
}

TEST(DataStreamTest, BuffersOwnOrBorrowTheirBytes)
{
    unsigned char borrowed[4] = {'w', 'x', 'y', 'z'};
    FGData data;
    data.contain(borrowed, 2, 4);
    EXPECT_FALSE(data.isOwned());
    EXPECT_EQ(Bytes(data), "wx");
    data.duplicate(&data); // a copy of its own bytes, now owned
    EXPECT_TRUE(data.isOwned());
    EXPECT_EQ(Bytes(data), "wx");
    EXPECT_NE(data.getData(), borrowed);

    unsigned char* heap = new unsigned char[3]{'a', 'b', 'c'};
    data.adopt(heap, 3);
    EXPECT_EQ(Bytes(data), "abc");
    data.release(); // the bytes are someone else's again
    EXPECT_EQ(data.getData(), nullptr);
    delete[] heap;

    EXPECT_TRUE(data.init(8));
    EXPECT_EQ(data.getLength(), 0);
    EXPECT_FALSE(data.setLength(9));
    EXPECT_FALSE(data.setLength(-1));
    EXPECT_TRUE(data.setLength(8));
    data.contain(borrowed, 9, 4); // a length beyond the capacity is cut back
    EXPECT_EQ(data.getLength(), 4);
}
