// One vocabulary for everything that can fail: a value, or an Error with a code and a message for the user.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace tavrel {

enum class ErrorCode {
    InputRefused,      // the calculate command or the stirrup dialog refused a text
    ResultOutOfRange,  // every check passed, yet a result does not fit a single
    CannotOpen,        // a file could not be opened for reading
    FileTooShort,      // an input file ends before its last line
    FileTooLarge,      // an input file is far larger than any input file
    UnwritableText,    // an input holds characters that its file cannot carry
    CannotWrite,       // a file could not be written; an existing one is unchanged
    Package,           // the report's package could not be built
};

struct Error {
    ErrorCode code = ErrorCode::CannotWrite;
    std::string message;  // UTF-8, complete, for the user

    bool operator==(const Error&) const = default;
};

// The error side of an Expected, so that a value and an error of one type cannot be confused.
template <typename E>
struct Unexpected {
    E error;
};

template <typename E>
Unexpected<std::decay_t<E>> unexpected(E&& error) {
    return {std::forward<E>(error)};
}

inline Unexpected<Error> failure(ErrorCode code, std::string message) {
    return {Error{code, std::move(message)}};
}

namespace detail {

// Reading the side an Expected does not hold is a programming error: it stops the program with a message
// in every build, rather than reading a value that is not there.
[[noreturn]] inline void wrongSide(const char* asked) {
    std::fprintf(stderr, "Expected: %s asked of the other side\n", asked);
    std::abort();
}

}  // namespace detail

template <typename T, typename E = Error>
class [[nodiscard]] Expected {
  public:
    template <typename U = T>
    requires(std::is_convertible_v<U&&, T> && !std::is_same_v<std::remove_cvref_t<U>, Expected>)
        Expected(U&& value)
        : m_state(std::in_place_index<0>, std::forward<U>(value)) {}
    template <typename G>
    Expected(Unexpected<G> failed) : m_state(std::in_place_index<1>, std::move(failed.error)) {}

    bool has_value() const { return m_state.index() == 0; }
    explicit operator bool() const { return has_value(); }

    T& value() & { return std::get<0>(checked(true, "value")); }
    const T& value() const& { return std::get<0>(checked(true, "value")); }
    T&& value() && { return std::get<0>(std::move(checked(true, "value"))); }
    const E& error() const { return std::get<1>(checked(false, "error")); }

    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    template <typename U>
    T value_or(U&& fallback) const& {
        return has_value() ? std::get<0>(m_state) : static_cast<T>(std::forward<U>(fallback));
    }

    bool operator==(const Expected&) const = default;

  private:
    std::variant<T, E>& checked(bool wantValue, const char* asked) {
        if (has_value() != wantValue) {
            detail::wrongSide(asked);
        }
        return m_state;
    }
    const std::variant<T, E>& checked(bool wantValue, const char* asked) const {
        if (has_value() != wantValue) {
            detail::wrongSide(asked);
        }
        return m_state;
    }

    std::variant<T, E> m_state;
};

// Success that carries no value.
template <typename E>
class [[nodiscard]] Expected<void, E> {
  public:
    Expected() = default;
    template <typename G>
    Expected(Unexpected<G> failed) : m_error(std::move(failed.error)) {}

    bool has_value() const { return !m_error; }
    explicit operator bool() const { return has_value(); }

    const E& error() const {
        if (!m_error) {
            detail::wrongSide("error");
        }
        return *m_error;
    }

    bool operator==(const Expected&) const = default;

  private:
    std::optional<E> m_error;
};

}  // namespace tavrel
