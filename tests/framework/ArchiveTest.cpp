#include "CArchive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

std::string bytesOf(const std::vector<int>& values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

TEST(CArchive, StoresLittleEndianIntegersAndDoubles)
{
    std::string bytes = "head";
    CArchive ar(bytes, CArchive::store);
    EXPECT_TRUE(ar.IsStoring());
    ar << int32_t{1} << int32_t{-2} << std::numeric_limits<int32_t>::min() << int32_t{0x12345678};
    ar << 1.0 << -0.0 << -2.5;
    const std::string expected = "head" + bytesOf({
        0x01, 0x00, 0x00, 0x00,  0xFE, 0xFF, 0xFF, 0xFF,  0x00, 0x00, 0x00, 0x80,  0x78, 0x56, 0x34, 0x12,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0,
    });
    EXPECT_EQ(bytes, expected);
}

TEST(CArchive, LoadsWhatWasStoredAndThrowsAtTheEnd)
{
    std::string bytes;
    CArchive out(bytes, CArchive::store);
    out << std::numeric_limits<int32_t>::max() << int32_t{-7} << std::numeric_limits<double>::denorm_min()
        << -std::numeric_limits<double>::infinity();

    CArchive in(bytes, CArchive::load);
    EXPECT_TRUE(in.IsLoading());
    int32_t a = 0, b = 0;
    double c = 0.0, d = 0.0;
    in >> a >> b >> c >> d;
    EXPECT_EQ(a, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(b, -7);
    EXPECT_EQ(c, std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(d, -std::numeric_limits<double>::infinity());
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_THROW(in >> a, CArchiveException);
    EXPECT_THROW(in >> c, CArchiveException);
}

TEST(CArchive, PartialValueAtTheEndThrows)
{
    std::string sevenBytes = bytesOf({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07});
    std::string threeBytes = bytesOf({0x01, 0x02, 0x03});
    CArchive doubles(sevenBytes, CArchive::load);
    CArchive integers(threeBytes, CArchive::load);
    double d = 0.0;
    int32_t i = 0;
    EXPECT_THROW(doubles >> d, CArchiveException);
    EXPECT_THROW(integers >> i, CArchiveException);
}

}  // namespace
