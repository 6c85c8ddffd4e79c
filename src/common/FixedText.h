#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace trakora {

// A text of exactly N characters. Assignment cuts the value to N characters
// or pads it with blanks on the right; before the first assignment it holds N
// NUL characters, which readers can tell apart from a blank or empty value.
template <std::size_t N>
class FixedText {
public:
    FixedText() { m_chars.fill('\0'); }
    FixedText(std::string_view value) { Assign(value); }

    FixedText& operator=(std::string_view value)
    {
        Assign(value);
        return *this;
    }

    void Assign(std::string_view value)
    {
        const std::size_t n = value.size() < N ? value.size() : N;
        for (std::size_t i = 0; i < n; ++i)
            m_chars[i] = value[i];
        for (std::size_t i = n; i < N; ++i)
            m_chars[i] = ' ';
    }

    std::string_view View() const { return std::string_view(m_chars.data(), N); }
    std::string Str() const { return std::string(View()); }
    char operator[](std::size_t i) const { return m_chars[i]; }
    static constexpr std::size_t Width() { return N; }

    // The text without blanks at either end (NULs are kept).
    std::string_view Trimmed() const
    {
        std::string_view v = View();
        while (!v.empty() && v.front() == ' ')
            v.remove_prefix(1);
        while (!v.empty() && v.back() == ' ')
            v.remove_suffix(1);
        return v;
    }

    bool operator==(std::string_view other) const { return View() == other; }
    bool operator==(const FixedText&) const = default;

private:
    std::array<char, N> m_chars;
};

} // namespace trakora
