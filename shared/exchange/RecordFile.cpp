#include "RecordFile.h"

#include "FileIo.h"
#include "Message.h"
#include "Printable.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace exchange {

namespace {

constexpr size_t kRecordBytes = 16;

void putDouble(std::string& out, double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int byte = 0; byte < 8; ++byte)
        out.push_back(static_cast<char>((bits >> (8 * byte)) & 0xFF));
}

double getDouble(const unsigned char* in)
{
    uint64_t bits = 0;
    for (int byte = 7; byte >= 0; --byte)
        bits = (bits << 8) | in[byte];
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

std::string EncodeRecords(const CComplexArray& records)
{
    const int count = records.GetSize();
    if (count > kMaxRecords)
        throw FormatError(text::Tr("RecordFile", "more than 65535 records cannot be counted in 16 bits"));
    std::string out;
    out.reserve(2 + kRecordBytes * static_cast<size_t>(count));
    out.push_back(static_cast<char>(count & 0xFF));
    out.push_back(static_cast<char>(count >> 8));
    for (int i = 0; i < count; ++i) {
        putDouble(out, records[i].re);
        putDouble(out, records[i].im);
    }
    return out;
}

RecordFile DecodeRecords(const std::string& bytes)
{
    if (bytes.size() < 2)
        throw FormatError(text::Tr("RecordFile", "the file is too short to hold a count"));
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    RecordFile file;
    file.count = data[0] | (data[1] << 8);
    const size_t available = (bytes.size() - 2) / kRecordBytes;
    file.present = static_cast<int>(std::min<size_t>(available, static_cast<size_t>(file.count)));
    file.records = CComplexArray(file.count);
    for (int i = 0; i < file.present; ++i) {
        const unsigned char* record = data + 2 + kRecordBytes * static_cast<size_t>(i);
        file.records[i] = CComplex(getDouble(record), getDouble(record + 8));
    }
    return file;
}

RecordFile ReadRecordFile(const std::string& path)
{
    CReadFile file(path);
    std::string bytes = file.Read(2);
    if (bytes.size() < 2)
        throw FormatError(
            text::Tr("RecordFile", "\"%1\": the file is too short to hold a count").arg(PrintableText(path)));
    const size_t count = static_cast<unsigned char>(bytes[0]) | static_cast<unsigned char>(bytes[1]) << 8;
    bytes += file.Read(kRecordBytes * count);
    return DecodeRecords(bytes);
}

void WriteRecordFile(const std::string& path, const CComplexArray& records)
{
    WriteFileAtomically(path, EncodeRecords(records), LinkPolicy::Replace);
}

}  // namespace exchange
