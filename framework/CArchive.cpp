#include "CArchive.h"

#include "FileIo.h"
#include "Message.h"

#include <algorithm>
#include <cstring>

namespace {

// What a loading archive reads of a file at a time.
constexpr size_t kFilePiece = 64 * 1024;

}  // namespace

size_t CArchive::Remaining() const
{
    const size_t unread = m_bytes.size() - m_position;
    return m_pFile ? unread + (m_pFile->Size() - std::min(m_nFileRead, m_pFile->Size())) : unread;
}

void CArchive::fill(size_t size)
{
    if (!m_pFile || m_bytes.size() - m_position >= size)
        return;
    m_bytes.erase(0, m_position);
    m_position = 0;
    const std::string piece = m_pFile->Read(std::max(size, kFilePiece));
    m_nFileRead += piece.size();
    m_bytes += piece;
}

void CArchive::put(uint64_t bits, int size)
{
    for (int byte = 0; byte < size; ++byte)
        m_bytes.push_back(static_cast<char>((bits >> (8 * byte)) & 0xFF));
}

uint64_t CArchive::get(int size)
{
    fill(static_cast<size_t>(size));
    if (m_bytes.size() - m_position < static_cast<size_t>(size))
        throw CArchiveException(text::Tr("CArchive", "the file ends early"));
    uint64_t bits = 0;
    for (int byte = size - 1; byte >= 0; --byte)
        bits = (bits << 8) | static_cast<unsigned char>(m_bytes[m_position + static_cast<size_t>(byte)]);
    m_position += static_cast<size_t>(size);
    return bits;
}

CArchive& CArchive::operator<<(int32_t value)
{
    put(static_cast<uint32_t>(value), 4);
    return *this;
}

CArchive& CArchive::operator<<(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    put(bits, 8);
    return *this;
}

CArchive& CArchive::operator>>(int32_t& value)
{
    value = static_cast<int32_t>(static_cast<uint32_t>(get(4)));
    return *this;
}

CArchive& CArchive::operator>>(double& value)
{
    const uint64_t bits = get(8);
    std::memcpy(&value, &bits, sizeof value);
    return *this;
}
