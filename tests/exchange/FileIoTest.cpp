#include "FileIo.h"
#include "Printable.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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

namespace {

// A file that is not a regular one, made at a path; make returns false where this machine
// does not allow it (a device node needs privileges).
struct OddFile {
    const char* kind;
    std::function<bool(const std::string&)> make;
    const char* reason;
};

const OddFile kOddFiles[] = {
    {"FIFO", [](const std::string& p) { return ::mkfifo(p.c_str(), 0600) == 0; }, "it is not a regular file"},
    {"folder", [](const std::string& p) { return std::filesystem::create_directory(p); }, "it is a folder"},
    {"device", [](const std::string& p) { return ::mknod(p.c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0; },
        "it is not a regular file"},
    {"link to a FIFO",
        [](const std::string& p) { return ::mkfifo((p + ".fifo").c_str(), 0600) == 0 && ::symlink((p + ".fifo").c_str(), p.c_str()) == 0; },
        "it is not a regular file"},
};

std::filesystem::file_type typeOf(const std::string& path) { return std::filesystem::symlink_status(path).type(); }

}  // namespace

TEST(FileIo, FilesThatAreNotRegularAreRefusedAtOnceAndLeftAlone)
{
    for (const OddFile& odd : kOddFiles) {
        TempFolder folder;
        const std::string path = folder / "odd";
        if (!odd.make(path))
            continue;
        const auto type = typeOf(path);
        for (const auto& attempt : std::vector<std::function<void()>>{
                 [&] { ReadFileBytes(path); }, [&] { exchange::CReadFile file(path); },
                 [&] { WriteFileAtomically(path, "x"); }}) {
            try {
                attempt();
                ADD_FAILURE() << odd.kind << " was taken";
            } catch (const FileError& e) {
                EXPECT_EQ(std::string(e.what()).substr(std::string(e.what()).find("\": ") + 3), odd.reason) << odd.kind;
            }
        }
        EXPECT_EQ(typeOf(path), type) << odd.kind;
    }
}

TEST(FileIo, ReplacingALinkLeavesWhatItPointsTo)
{
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    WriteFileAtomically(folder / "kept", "kept");
    for (const char* target : {"fifo", "kept", "missing"}) {
        std::filesystem::create_symlink(target, folder / "link");
        WriteFileAtomically(folder / "link", "new", exchange::LinkPolicy::Replace);
        EXPECT_EQ(typeOf(folder / "link"), std::filesystem::file_type::regular) << target;
        EXPECT_EQ(ReadFileBytes(folder / "link"), "new");
        std::filesystem::remove(folder / "link");
    }
    EXPECT_EQ(typeOf(folder / "fifo"), std::filesystem::file_type::fifo);
    EXPECT_EQ(ReadFileBytes(folder / "kept"), "kept");
    EXPECT_THROW(WriteFileAtomically(folder.path().string(), "x", exchange::LinkPolicy::Replace), FileError);
}

TEST(FileIo, ReadsAreBoundedBeforeAnythingIsRead)
{
    TempFolder folder;
    WriteFileAtomically(folder / "hundred", std::string(100, 'x'));
    EXPECT_EQ(ReadFileBytes(folder / "hundred", 100).size(), 100u);
    EXPECT_THROW(ReadFileBytes(folder / "hundred", 99), FileError);
    const std::string sparse = folder / "sparse";
    const int fd = ::open(sparse.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_EQ(::ftruncate(fd, off_t{1} << 32), 0);  // 4 GiB of nothing: never read
    ::close(fd);
    try {
        ReadFileBytes(sparse);
        FAIL() << "a 4 GiB file was read";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("larger than 64 MiB"), std::string::npos) << e.what();
    }
    exchange::CReadFile file(folder / "hundred");
    EXPECT_EQ(file.Size(), 100u);
    EXPECT_EQ(file.Read(60).size(), 60u);
    EXPECT_EQ(file.Read(60).size(), 40u);
    EXPECT_EQ(file.Read(60), "");
}

TEST(FileIo, TheLongestNamesAreWrittenAndAnEmptyNameIsRefused)
{
    TempFolder folder;
    const std::string longest = folder / std::string(255, 'n');
    WriteFileAtomically(longest, "long");
    EXPECT_EQ(ReadFileBytes(longest), "long");
    EXPECT_EQ(folder.Entries().size(), 1u);
    EXPECT_THROW(WriteFileAtomically("", "x"), FileError);
    EXPECT_THROW(ReadFileBytes(""), FileError);
}

TEST(Printable, EscapesControlCharactersAndKeepsTheRest)
{
    const struct {
        std::string text, printable;
    } cases[] = {
        {"plain name.flt", "plain name.flt"},
        {"two\nlines\r\t", "two\\nlines\\r\\t"},
        {"\x1b[31mred", "\\x1B[31mred"},
        {std::string("nul\0del\x7f", 8), "nul\\x00del\\x7F"},
        {"\xe3\x83\x95\xe3\x82\xa3\xe3\x83\xab\xe3\x82\xbf", "\xe3\x83\x95\xe3\x82\xa3\xe3\x83\xab\xe3\x82\xbf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exchange::PrintableText(c.text), c.printable);
}
