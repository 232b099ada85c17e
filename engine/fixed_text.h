#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace engine {

// A short text in a fixed buffer, so that formatting a number never touches the heap.
// Capacities are chosen so that the texts written into them always fit.
template <std::size_t Capacity> class FixedText {
  public:
    void push(char c)
    {
        if (m_size < Capacity) {
            m_chars[m_size++] = c;
        }
    }
    void append(std::string_view text)
    {
        for (const char c : text) {
            push(c);
        }
    }
    [[nodiscard]] std::string_view view() const { return {m_chars.data(), m_size}; }
    [[nodiscard]] bool empty() const { return m_size == 0; }

  private:
    std::array<char, Capacity> m_chars{};
    std::size_t m_size = 0;
};

} // namespace engine
