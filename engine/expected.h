#pragma once

#include <utility>
#include <variant>

namespace engine {

// The failure half of an Expected, so that a failed return reads as one.
template <typename E> struct Unexpected {
    E error;
};

template <typename E> Unexpected(E) -> Unexpected<E>;

// A value or a typed error. The standard std::expected arrives with C++23.
template <typename T, typename E> class Expected {
  public:
    Expected(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Expected(Unexpected<E> failure) : m_state(std::in_place_index<1>, failure.error) {}

    [[nodiscard]] bool hasValue() const { return m_state.index() == 0; }
    explicit operator bool() const { return hasValue(); }
    [[nodiscard]] const T& value() const { return std::get<0>(m_state); }
    [[nodiscard]] const E& error() const { return std::get<1>(m_state); }

  private:
    std::variant<T, E> m_state;
};

} // namespace engine
