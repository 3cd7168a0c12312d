#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// A file that ends before all its fields are read, or holds values it cannot hold.
class CArchiveException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Little-endian 32-bit integers and IEEE 754 doubles on a byte string: a storing
// archive appends to its string, a loading one reads its string from the start.
class CArchive {
public:
    enum Mode { store, load };

    // Storing into bytes (appended to), or loading from bytes (read from the start).
    CArchive(std::string& bytes, Mode mode) : m_bytes(bytes), m_mode(mode) {}

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }
    // Bytes not yet read by a loading archive.
    size_t Remaining() const { return m_bytes.size() - m_position; }

    CArchive& operator<<(int32_t value);
    CArchive& operator<<(double value);
    // Throw CArchiveException at the end of the bytes.
    CArchive& operator>>(int32_t& value);
    CArchive& operator>>(double& value);

private:
    void put(uint64_t bits, int size);
    uint64_t get(int size);

    std::string& m_bytes;
    Mode m_mode;
    size_t m_position = 0;
};
