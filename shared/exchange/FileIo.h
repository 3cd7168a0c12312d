#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace exchange {

// A file that cannot be read or written; what() names the file and the reason, with
// control characters of the name escaped.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a reader takes at most unless it says otherwise: 64 MiB.
constexpr size_t kMaxFileBytes = size_t{64} << 20;

// A regular file opened for reading. A FIFO, device, socket or folder is refused at once,
// without waiting for a writer and without reading from it. Reads never block on a FIFO
// swapped in after the check.
class CReadFile {
public:
    // Opens path (symbolic links followed). A file larger than maxBytes is refused before
    // anything is read. Throws FileError.
    explicit CReadFile(const std::string& path, size_t maxBytes = SIZE_MAX);
    ~CReadFile();
    CReadFile(const CReadFile&) = delete;
    CReadFile& operator=(const CReadFile&) = delete;

    // The size of the file when it was opened, in bytes.
    size_t Size() const { return m_size; }
    // Reads up to count bytes from where the last read ended; fewer only at the end of
    // the file. Throws FileError on a read error.
    std::string Read(size_t count);

private:
    std::string m_path;
    int m_fd = -1;
    size_t m_size = 0;
};

// The whole contents of the regular file at path, of at most maxBytes bytes. A larger
// file, or one that is not a regular file, is refused before anything is read. Throws
// FileError.
std::string ReadFileBytes(const std::string& path, size_t maxBytes = kMaxFileBytes);

// What a write does with a symbolic link at its path.
enum class LinkPolicy {
    Follow,  // write the file the link points to; the link stays (the user's own files)
    Replace  // replace the link itself (files the program owns, such as the exchange files)
};

// Replaces the file at path by bytes: written to a temporary file with a short name in
// the same folder, flushed and renamed over the target, so that a reader never sees half
// a file and a failure leaves the previous file as it was. A target that exists and is
// not a regular file (a folder, FIFO, device or socket; through a followed link, what it
// points to) is refused and left alone, as is an empty path. Throws FileError.
void WriteFileAtomically(const std::string& path, const std::string& bytes,
    LinkPolicy links = LinkPolicy::Follow);

}  // namespace exchange
