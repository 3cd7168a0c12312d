#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace exchange {
class CReadFile;
}

// A file that ends before all its fields are read, or holds values it cannot hold.
class CArchiveException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Little-endian 32-bit integers and IEEE 754 doubles on a byte string: a storing
// archive appends to its string, a loading one reads its string from the start, or reads
// a file from its start as far as its fields go, never further.
class CArchive {
public:
    enum Mode { store, load };

    // Storing into bytes (appended to), or loading from bytes (read from the start).
    CArchive(std::string& bytes, Mode mode) : m_bytes(bytes), m_mode(mode) {}
    // Loading from file, a piece at a time as the fields are read. Throws
    // exchange::FileError when the file cannot be read.
    explicit CArchive(exchange::CReadFile& file) : m_bytes(m_buffer), m_mode(load), m_pFile(&file) {}
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }
    // Bytes not yet read by a loading archive (of a file: by the size it had when opened).
    size_t Remaining() const;

    CArchive& operator<<(int32_t value);
    CArchive& operator<<(double value);
    // Throw CArchiveException at the end of the bytes.
    CArchive& operator>>(int32_t& value);
    CArchive& operator>>(double& value);

private:
    void put(uint64_t bits, int size);
    uint64_t get(int size);
    // Makes at least size unread bytes available, reading on in the file if there is one.
    void fill(size_t size);

    std::string m_buffer;
    std::string& m_bytes;
    Mode m_mode;
    size_t m_position = 0;
    exchange::CReadFile* m_pFile = nullptr;
    size_t m_nFileRead = 0;  // bytes taken from the file so far
};
