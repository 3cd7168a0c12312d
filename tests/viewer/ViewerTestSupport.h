#pragma once

#include "../support/TempFolder.h"

#include "CComplex.h"
#include "ModalWatch.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

// The one application object of a viewer test program (ctest runs it offscreen), with its
// settings in a temporary folder of its own, so that test programs run side by side do not
// change each other's. It is made on first use and destroyed when all tests have run,
// before the program's static objects go.
class QtTestEnvironment : public ::testing::Environment {
public:
    static QApplication& Application()
    {
        static QtTestEnvironment* environment = Register();
        static QTemporaryDir settingsDir;
        if (!environment->m_app) {
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
            environment->m_app = std::make_unique<QApplication>(s_argc, s_argv);
            CModalGuard::Start();
        }
        return *environment->m_app;
    }
    void TearDown() override { m_app.reset(); }

private:
    static QtTestEnvironment* Register()
    {
        auto* environment = new QtTestEnvironment;
        ::testing::AddGlobalTestEnvironment(environment);
        return environment;
    }

    static inline int s_argc = 1;
    static inline char s_name[] = "viewer_test";
    static inline char* s_argv[] = {s_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

inline QApplication& TestApplication() { return QtTestEnvironment::Application(); }

// A fresh temporary folder made the current directory for the life of the object, where
// the viewer looks for "root.bin".
class WorkFolder : public TempFolder {
public:
    WorkFolder() : m_previous(std::filesystem::current_path()) { std::filesystem::current_path(path()); }
    ~WorkFolder() { std::filesystem::current_path(m_previous); }

    // Writes bytes as "root.bin" in the folder.
    void WriteRootFile(const std::string& bytes) const
    {
        std::ofstream(*this / "root.bin", std::ios::binary) << bytes;
    }

private:
    std::filesystem::path m_previous;
};

// The bytes of a "root.bin": count as 16-bit little-endian, then each zero as two
// little-endian IEEE doubles, built byte by byte.
inline std::string RootFileBytes(int count, const std::vector<CComplex>& zeros)
{
    std::string bytes{static_cast<char>(count & 0xFF), static_cast<char>((count >> 8) & 0xFF)};
    for (const CComplex& zero : zeros)
        for (double part : {zero.re, zero.im}) {
            uint64_t bits = 0;
            std::memcpy(&bits, &part, sizeof bits);
            for (int byte = 0; byte < 8; ++byte)
                bytes.push_back(static_cast<char>((bits >> (8 * byte)) & 0xFF));
        }
    return bytes;
}

// A "root.bin" whose count is the number of zeros.
inline std::string RootFileBytes(const std::vector<CComplex>& zeros)
{
    return RootFileBytes(static_cast<int>(zeros.size()), zeros);
}
