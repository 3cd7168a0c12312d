#include "ExchangeFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

// A new folder only this user can enter, under the system's temporary folder.
std::string MakePrivateFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "filter-cli-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data()))
        throw std::runtime_error("cannot make a temporary folder for the root finder: " + std::string(std::strerror(errno)));
    return name.data();
}

// Changes the current folder to dir; what names the folder in the message.
void Enter(const std::string& dir, const char* what)
{
    if (::chdir(dir.c_str()) != 0)
        throw std::runtime_error("cannot enter " + std::string(what) + " \"" + dir + "\": " + std::strerror(errno));
}

}  // namespace

CExchangeFolder::CExchangeFolder(std::string dir) : m_dir(std::move(dir)) {}

CExchangeFolder::~CExchangeFolder()
{
    std::error_code ignored;
    if (m_bPrivate)
        std::filesystem::remove_all(m_dir, ignored);
}

void CExchangeFolder::Within(const std::function<void()>& work)
{
    if (m_dir.empty()) {
        m_dir = MakePrivateFolder();
        m_bPrivate = true;
    }
    const std::string home = std::filesystem::current_path().string();
    Enter(m_dir, "the exchange folder");
    try {
        work();
    } catch (...) {
        Enter(home, "the folder");
        throw;
    }
    Enter(home, "the folder");
}
