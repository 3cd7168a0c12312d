#pragma once

#include <stdexcept>
#include <string>

namespace exchange {

// A file that cannot be read or written; what() names the file and the reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole contents of the file at path. Throws FileError.
std::string ReadFileBytes(const std::string& path);

// Replaces the file at path by bytes: written to a temporary file in the same folder,
// flushed and renamed over the target, so that a reader never sees half a file and a
// failure leaves the previous file as it was. Throws FileError.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace exchange
