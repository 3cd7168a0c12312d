#include "FileIo.h"
#include "Printable.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using exchange::FileError;
using exchange::ReadFileBytes;
using exchange::WriteFileAtomically;

mode_t permissionsOf(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

// Lowers this process's file size limit for its lifetime, so that a write past it fails
// with EFBIG (the signal that would otherwise end the process is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{bytes, m_previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

TEST(FileIo, WriteReplacesTheWholeContentsAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder / "data.bin";
    const std::string binary("\0\r\n\x1a\xff end", 9);
    WriteFileAtomically(path, "a longer first contents");
    WriteFileAtomically(path, binary);
    EXPECT_EQ(ReadFileBytes(path), binary);
    WriteFileAtomically(path, "");
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"data.bin"});
}

TEST(FileIo, PermissionsOfTheReplacedFileAreKept)
{
    TempFolder folder;
    const std::string path = folder / "data.bin";
    const mode_t previousMask = ::umask(022);
    WriteFileAtomically(path, "new");
    EXPECT_EQ(permissionsOf(path), 0644u);
    for (mode_t mode : {0600u, 0640u, 0755u}) {
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        WriteFileAtomically(path, "again");
        EXPECT_EQ(permissionsOf(path), mode);
    }
    ::umask(previousMask);
}

TEST(FileIo, FailedWritesKeepThePreviousStateAndLeaveNoTemporaryFile)
{
    TempFolder folder;
    const std::string file = folder / "kept.bin";
    const std::string directory = folder / "folder";
    WriteFileAtomically(file, "previous");
    std::filesystem::create_directory(directory);

    EXPECT_THROW(WriteFileAtomically(folder / "missing/data.bin", "x"), FileError);
    EXPECT_THROW(WriteFileAtomically(directory, "x"), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(directory));
    {
        const FileSizeLimit limit(16);
        EXPECT_THROW(WriteFileAtomically(file, std::string(4096, 'x')), FileError);
    }
    EXPECT_EQ(ReadFileBytes(file), "previous");
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"folder", "kept.bin"}));
}

TEST(FileIo, ReadErrorsNameTheFile)
{
    TempFolder folder;
    const std::string missing = folder / "missing.bin";
    try {
        ReadFileBytes(missing);
        FAIL() << "a missing file was read";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
    EXPECT_THROW(ReadFileBytes(folder.path().string()), FileError) << "a folder read as a file";
}

}  // namespace

TEST(FileIo, WritingThroughALinkReplacesTheFileItPointsTo)
{
    TempFolder folder;
    WriteFileAtomically(folder / "target", "old");
    std::filesystem::create_symlink("target", folder / "link");
    WriteFileAtomically(folder / "link", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link"));
    EXPECT_EQ(ReadFileBytes(folder / "target"), "new");
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"link", "target"}));
}

TEST(FileIo, ReadsStopAtTheirBound)
{
    TempFolder folder;
    WriteFileAtomically(folder / "hundred", std::string(100, 'x'));
    EXPECT_EQ(ReadFileBytes(folder / "hundred", 100).size(), 100u);
    EXPECT_THROW(ReadFileBytes(folder / "hundred", 99), FileError);
    exchange::CReadFile file(folder / "hundred");
    EXPECT_EQ(file.Size(), 100u);
    EXPECT_EQ(file.Read(60).size(), 60u);
    EXPECT_EQ(file.Read(60).size(), 40u);
    EXPECT_EQ(file.Read(60), "");
}

TEST(Printable, EscapesControlCharactersAndKeepsUtf8)
{
    EXPECT_EQ(exchange::PrintableText(std::string("a\nb\x1b[1m\0\x7f\\", 10)), "a\\nb\\x1B[1m\\x00\\x7F\\");
    const std::string japanese = "\xe3\x83\x95\xe3\x82\xa3\xe3\x83\xab\xe3\x82\xbf.flt";
    EXPECT_EQ(exchange::PrintableText(japanese), japanese);
}
