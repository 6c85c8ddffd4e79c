#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace trakora::testing_support {

// Switches LC_NUMERIC to a German locale (decimal comma) for the lifetime of
// the object, compiling one into the temporary folder when the system has
// none installed. Active() is false when neither works.
class CommaLocale {
public:
    CommaLocale() : m_saved(std::setlocale(LC_NUMERIC, nullptr))
    {
        m_active = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
        if (m_active)
            return;
        const std::string dir = ::testing::TempDir() + "trakora-locales";
        const std::string command = "mkdir -p '" + dir + "' && { test -d '" + dir + "/de_DE.UTF-8' || localedef -i de_DE -f UTF-8 '"
                                    + dir + "/de_DE.UTF-8'; } >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0)
            return;
        setenv("LOCPATH", dir.c_str(), 1);
        m_active = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    }
    ~CommaLocale() { std::setlocale(LC_NUMERIC, m_saved.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool Active() const { return m_active; }

private:
    std::string m_saved;
    bool m_active = false;
};

} // namespace trakora::testing_support
