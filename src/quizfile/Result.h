#pragma once

#include <optional>
#include <string>
#include <utility>

namespace quizfile {

// What file code hands back to a window: a value, or the message to show.
template <class T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    static Result failure(std::string message) { return Result(std::move(message), 0); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    T& value() { return *value_; }
    const std::string& error() const { return error_; }

private:
    Result(std::string message, int) : error_(std::move(message)) {}
    std::optional<T> value_;
    std::string error_;
};

// For operations that only succeed or fail.
struct Done {};
using Status = Result<Done>;
inline Status success() { return Status(Done{}); }

} // namespace quizfile
