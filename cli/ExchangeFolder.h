#pragma once

#include <functional>
#include <string>

// The folder in which filter-cli exchanges files with the root finder ("beta.bin",
// "root.bin" and their lock), so that the folder it was started in stays as it was.
class CExchangeFolder {
public:
    // A named folder (which must exist) is used as it is and keeps the exchange's files;
    // with an empty name a private folder is made under the system's temporary folder
    // when first needed and removed, with its contents, by the destructor.
    explicit CExchangeFolder(std::string dir = {});
    ~CExchangeFolder();
    CExchangeFolder(const CExchangeFolder&) = delete;
    CExchangeFolder& operator=(const CExchangeFolder&) = delete;

    // Runs work with the exchange folder as the current folder and returns to the folder
    // it was called in, also when work throws. A folder that cannot be made or entered:
    // std::runtime_error with the reason, and work does not run.
    void Within(const std::function<void()>& work);

private:
    std::string m_dir;
    bool m_bPrivate = false;
};
