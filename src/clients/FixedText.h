#pragma once
// A fixed-width text field of a record: always exactly N bytes, a shorter value left-aligned and
// padded with blanks, a longer one cut to N.
#include "shell/TrimBlanks.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

template <std::size_t N> class FixedText {
public:
    static constexpr std::size_t width = N;

    FixedText() { m_bytes.fill(' '); }
    FixedText(std::string_view value) { assign(value); }
    FixedText& operator=(std::string_view value) {
        assign(value);
        return *this;
    }

    void assign(std::string_view value) {
        m_bytes.fill(' ');
        std::copy_n(value.begin(), std::min(value.size(), N), m_bytes.begin());
    }
    // The stored bytes, trailing blanks included.
    std::string str() const { return std::string(m_bytes.begin(), m_bytes.end()); }
    std::string_view view() const { return std::string_view(m_bytes.data(), N); }
    // The value without surrounding blanks, as windows show it.
    std::string trimmed() const { return std::string(TrimBlanks(view())); }
    char& operator[](std::size_t i) { return m_bytes[i]; }
    char operator[](std::size_t i) const { return m_bytes[i]; }
    char* data() { return m_bytes.data(); }
    const char* data() const { return m_bytes.data(); }
    bool operator==(const FixedText&) const = default;

private:
    std::array<char, N> m_bytes;
};
