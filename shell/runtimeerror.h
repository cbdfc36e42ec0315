#pragma once

#include <QString>
#include <exception>

namespace shell {

// The codes the runtime reports; the games show them to the player.
enum class ErrorCode {
    Overflow = 6,
    TypeMismatch = 13,
};

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorCode code) : m_code(code) {}

    ErrorCode code() const { return m_code; }
    const char* what() const noexcept override { return "runtime error"; }

private:
    ErrorCode m_code;
};

// The whole text of the box that reports an error to the player.
QString errorMessage(ErrorCode code);

} // namespace shell
