#include "NpyFormat.h"

#include "CoefficientText.h"
#include "FilterLimits.h"
#include "Message.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <regex>

namespace {

const char kMagic[] = "\x93NUMPY";
constexpr size_t kMagicSize = 6;
// The longest header read, as numpy.load's own limit.
constexpr size_t kMaxHeaderBytes = 10000;

[[noreturn]] void refuse(const text::CMessage& why)
{
    throw CoefficientTextError(text::Tr("NpyFormat", "not a NumPy array of coefficients: %1").arg(why));
}

// The unsigned integer of count bytes at bytes[at], least significant first.
std::uint64_t littleEndian(const std::string& bytes, size_t at, size_t count)
{
    std::uint64_t value = 0;
    for (size_t i = count; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void appendLittleEndian(std::string& out, std::uint64_t value, size_t count)
{
    for (size_t i = 0; i < count; ++i, value >>= 8)
        out += static_cast<char>(value & 0xFF);
}

struct CNpyHeader {
    bool bBigEndian = false;
    size_t nItemSize = 8;
    size_t nCount = 0;
    size_t nDataStart = 0;
};

// The element count of a shape "(N,)", "(1, N)" or "(N, 1)".
size_t countOf(const std::string& shape)
{
    static const std::regex oneDimension(R"(\(\s*(\d{1,9})\s*,?\s*\))");
    static const std::regex rowOrColumn(R"(\(\s*(\d{1,9})\s*,\s*(\d{1,9})\s*,?\s*\))");
    std::smatch m;
    if (std::regex_match(shape, m, oneDimension))
        return std::stoul(m[1]);
    if (std::regex_match(shape, m, rowOrColumn) && (m[1] == "1" || m[2] == "1"))
        return std::stoul(m[1]) * std::stoul(m[2]);
    refuse(text::Tr("NpyFormat", "the shape %1 is not that of a list of numbers").arg(shape));
}

CNpyHeader readHeader(const std::string& bytes)
{
    if (bytes.size() < kMagicSize + 4 || bytes.compare(0, kMagicSize, kMagic) != 0)
        refuse(text::Tr("NpyFormat", "the file does not begin as a .npy file does"));
    const int major = static_cast<unsigned char>(bytes[kMagicSize]);
    if (major < 1 || major > 3)
        refuse(text::Tr("NpyFormat", "version %1 of the format is not known").arg(major));
    const size_t lengthSize = major == 1 ? 2 : 4;
    const size_t start = kMagicSize + 2 + lengthSize;
    if (bytes.size() < start)
        refuse(text::Tr("NpyFormat", "the file ends inside its header"));
    const std::uint64_t length = littleEndian(bytes, kMagicSize + 2, lengthSize);
    if (length > kMaxHeaderBytes)
        refuse(text::Tr("NpyFormat", "its header is longer than %1 bytes").arg(kMaxHeaderBytes));
    if (length > bytes.size() - start)
        refuse(text::Tr("NpyFormat", "the file ends inside its header"));
    const std::string dict = bytes.substr(start, length);
    static const std::regex descr(R"('descr'\s*:\s*'([<>|=])f([48])')");
    static const std::regex order(R"('fortran_order'\s*:\s*(True|False))");
    static const std::regex shape(R"('shape'\s*:\s*(\([^)]*\)))");
    std::smatch d, o, s;
    if (!std::regex_search(dict, d, descr))
        refuse(text::Tr("NpyFormat", "its elements are not float64 or float32"));
    if (!std::regex_search(dict, o, order) || !std::regex_search(dict, s, shape))
        refuse(text::Tr("NpyFormat", "its header gives no order or shape"));
    CNpyHeader header;
    header.bBigEndian = d[1] == ">";
    header.nItemSize = d[2] == "8" ? 8 : 4;
    header.nCount = countOf(s[1]);
    header.nDataStart = start + length;
    return header;
}

double element(const std::string& bytes, const CNpyHeader& header, size_t i)
{
    const size_t at = header.nDataStart + i * header.nItemSize;
    std::uint64_t bits = 0;
    for (size_t k = 0; k < header.nItemSize; ++k) {
        const size_t from = header.bBigEndian ? k : header.nItemSize - 1 - k;
        bits = bits << 8 | static_cast<unsigned char>(bytes[at + from]);
    }
    if (header.nItemSize == 8) {
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    const std::uint32_t narrow = static_cast<std::uint32_t>(bits);
    float value;
    std::memcpy(&value, &narrow, sizeof value);
    return static_cast<double>(value);
}

}  // namespace

bool IsNpyFile(const std::string& bytes) { return bytes.compare(0, kMagicSize, kMagic) == 0; }

std::string FormatNpy(const CRealArray& h)
{
    std::string dict = "{'descr': '<f8', 'fortran_order': False, 'shape': (" + std::to_string(h.GetSize()) + ",), }";
    const size_t unpadded = kMagicSize + 4 + dict.size() + 1;
    dict.append((64 - unpadded % 64) % 64, ' ');
    dict += '\n';
    std::string out(kMagic, kMagicSize);
    out += '\x01';
    out += '\x00';
    appendLittleEndian(out, dict.size(), 2);
    out += dict;
    for (int n = 0; n < h.GetSize(); ++n) {
        std::uint64_t bits;
        const double value = h[n];
        std::memcpy(&bits, &value, sizeof bits);
        appendLittleEndian(out, bits, 8);
    }
    return out;
}

CRealArray ParseNpy(const std::string& bytes)
{
    const CNpyHeader header = readHeader(bytes);
    if (header.nCount < 1 || header.nCount > static_cast<size_t>(kMaxFilterLength))
        refuse(text::Tr("NpyFormat", "it holds %1 values, not 1 to %2").arg(header.nCount).arg(kMaxFilterLength));
    if (bytes.size() - header.nDataStart != header.nCount * header.nItemSize)
        refuse(text::Tr("NpyFormat", "its data part is %1 bytes long where its header announces %2")
                   .arg(bytes.size() - header.nDataStart)
                   .arg(header.nCount * header.nItemSize));
    CRealArray values(static_cast<int>(header.nCount));
    for (size_t i = 0; i < header.nCount; ++i) {
        values[static_cast<int>(i)] = element(bytes, header, i);
        if (!std::isfinite(values[static_cast<int>(i)]))
            refuse(text::Tr("NpyFormat", "value %1 is not finite").arg(i));
    }
    return values;
}
