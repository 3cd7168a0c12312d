#pragma once

#include "CComplexArray.h"

#include <stdexcept>
#include <string>

namespace exchange {

// The two files through which the workbench, the root finder and the zero viewer meet,
// in their common working directory.
inline const char* const kBetaFile = "beta.bin";
inline const char* const kRootFile = "root.bin";

// Both files share one format: an unsigned 16-bit little-endian count, then that many
// 16-byte records, each an IEEE 754 binary64 real part and imaginary part, little-endian.
constexpr int kMaxRecords = 65535;

class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RecordFile {
    int count = 0;            // as announced by the count field
    int present = 0;          // whole records the bytes hold, at most count
    CComplexArray records{0}; // count elements; those not present are 0

    bool complete() const { return present == count; }
};

// The bytes of a file holding records. More than kMaxRecords: FormatError.
std::string EncodeRecords(const CComplexArray& records);

// Reads a count and the records it announces; bytes after them are ignored. A file that
// ends early yields the whole records present. Fewer than 2 bytes: FormatError.
RecordFile DecodeRecords(const std::string& bytes);

// Reads the count of the regular file at path and then only the records it announces,
// and decodes them as above. FileError when it cannot be read (a FIFO, device or folder
// included), FormatError as above.
RecordFile ReadRecordFile(const std::string& path);

// Encodes records and writes them atomically (FileIo.h), replacing a symbolic link at
// path rather than the file it points to: the exchange files belong to the programs.
// FileError, FormatError.
void WriteRecordFile(const std::string& path, const CComplexArray& records);

}  // namespace exchange
