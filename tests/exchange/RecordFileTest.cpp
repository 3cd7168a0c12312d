#include "FileIo.h"
#include "RecordFile.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using exchange::DecodeRecords;
using exchange::EncodeRecords;
using exchange::FormatError;

std::string bytesOf(const std::vector<int>& values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

CComplexArray arrayOf(const std::vector<CComplex>& values)
{
    CComplexArray a(static_cast<int>(values.size()));
    for (int i = 0; i < a.GetSize(); ++i)
        a[i] = values[static_cast<size_t>(i)];
    return a;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Filter coefficients h = (1, 2, 3), reversed as a polynomial: records (3,0), (2,0), (1,0).
const std::string kThreeTapBeta = bytesOf({
    0x03, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x40,  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
});

TEST(RecordFile, ThreeTapFilterEncodesToTheExpectedFiftyBytes)
{
    const std::string bytes = EncodeRecords(arrayOf({{3.0, 0.0}, {2.0, 0.0}, {1.0, 0.0}}));
    EXPECT_EQ(bytes.size(), 50u);
    EXPECT_EQ(bytes, kThreeTapBeta);

    const exchange::RecordFile file = DecodeRecords(kThreeTapBeta);
    EXPECT_EQ(file.count, 3);
    EXPECT_EQ(file.present, 3);
    EXPECT_TRUE(file.complete());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(file.records[i].re, 3.0 - i);
        EXPECT_EQ(file.records[i].im, 0.0);
    }
}

TEST(RecordFile, RoundTripKeepsEveryBit)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double denormal = std::numeric_limits<double>::denorm_min();
    double nanWithPayload = 0.0;
    const uint64_t nanBits = 0x7FF8000000012345ull;
    std::memcpy(&nanWithPayload, &nanBits, sizeof nanBits);
    const CComplexArray records = arrayOf({{-0.0, 0.0}, {denormal, -denormal * 3}, {inf, -inf},
        {std::numeric_limits<double>::max(), -std::numeric_limits<double>::min()},
        {nanWithPayload, 0.1}, {-1.0 / 3.0, 1e-300}});

    const exchange::RecordFile file = DecodeRecords(EncodeRecords(records));
    ASSERT_EQ(file.count, records.GetSize());
    ASSERT_EQ(file.present, records.GetSize());
    for (int i = 0; i < records.GetSize(); ++i) {
        EXPECT_TRUE(sameBits(file.records[i].re, records[i].re)) << "record " << i;
        EXPECT_TRUE(sameBits(file.records[i].im, records[i].im)) << "record " << i;
    }
}

TEST(RecordFile, CountOnlyFileHasNoRecords)
{
    EXPECT_EQ(EncodeRecords(CComplexArray(0)), bytesOf({0x00, 0x00}));
    const exchange::RecordFile file = DecodeRecords(bytesOf({0x00, 0x00}));
    EXPECT_EQ(file.count, 0);
    EXPECT_EQ(file.present, 0);
    EXPECT_EQ(file.records.GetSize(), 0);
    EXPECT_TRUE(file.complete());
}

TEST(RecordFile, BytesAfterTheAnnouncedRecordsAreIgnored)
{
    std::string bytes = kThreeTapBeta;
    bytes[0] = 0x02;  // announce two of the three records, and add trailing junk
    bytes += "trailing bytes!";
    const exchange::RecordFile file = DecodeRecords(bytes);
    EXPECT_EQ(file.count, 2);
    EXPECT_EQ(file.present, 2);
    ASSERT_EQ(file.records.GetSize(), 2);
    EXPECT_EQ(file.records[1].re, 2.0);
}

TEST(RecordFile, ShortFileYieldsTheWholeRecordsPresent)
{
    // Two whole records and half of the third.
    const exchange::RecordFile file = DecodeRecords(kThreeTapBeta.substr(0, 2 + 16 * 2 + 8));
    EXPECT_EQ(file.count, 3);
    EXPECT_EQ(file.present, 2);
    EXPECT_FALSE(file.complete());
    ASSERT_EQ(file.records.GetSize(), 3);
    EXPECT_EQ(file.records[1].re, 2.0);
    EXPECT_TRUE(file.records[2].re == 0.0 && file.records[2].im == 0.0);
}

TEST(RecordFile, CountLimits)
{
    EXPECT_THROW(DecodeRecords(""), FormatError);
    EXPECT_THROW(DecodeRecords(bytesOf({0x01})), FormatError);

    const std::string full = EncodeRecords(CComplexArray(65535));
    EXPECT_EQ(full.size(), 2u + 16u * 65535u);
    EXPECT_EQ(full.substr(0, 2), bytesOf({0xFF, 0xFF}));
    EXPECT_EQ(DecodeRecords(full).present, 65535);
    EXPECT_THROW(EncodeRecords(CComplexArray(65536)), FormatError);
}

class RecordFileOnDisk : public testing::Test {
protected:
    TempFolder m_folder;
};

TEST_F(RecordFileOnDisk, WritesAndReadsTheSameRecords)
{
    const std::string path = m_folder / exchange::kRootFile;
    exchange::WriteRecordFile(path, arrayOf({{3.0, 0.0}, {2.0, 0.0}, {1.0, 0.0}}));
    EXPECT_EQ(exchange::ReadFileBytes(path), kThreeTapBeta);
    const exchange::RecordFile file = exchange::ReadRecordFile(path);
    EXPECT_EQ(file.count, 3);
    EXPECT_EQ(file.records[2].re, 1.0);
}

TEST_F(RecordFileOnDisk, ReadErrorsNameTheFile)
{
    const std::string missing = m_folder / "missing.bin";
    EXPECT_THROW(exchange::ReadRecordFile(missing), exchange::FileError);

    const std::string truncated = m_folder / "truncated.bin";
    exchange::WriteFileAtomically(truncated, bytesOf({0x05}));
    try {
        exchange::ReadRecordFile(truncated);
        FAIL() << "a one-byte file was accepted";
    } catch (const FormatError& e) {
        EXPECT_NE(std::string(e.what()).find("truncated.bin"), std::string::npos) << e.what();
    }
}

}  // namespace
