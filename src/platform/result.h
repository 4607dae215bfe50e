#pragma once
// Failures that a user must hear about travel as values carrying a Japanese message
// (UTF-8), never as exceptions through a window callback.
#include <optional>
#include <string>
#include <utility>

namespace quornel {

class Status {
public:
    static Status success() { return Status(); }
    static Status failure(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !message_.has_value(); }
    explicit operator bool() const { return ok(); }
    // The Japanese message for the user; empty when ok().
    const std::string& message() const {
        static const std::string none;
        return message_ ? *message_ : none;
    }

private:
    Status() = default;
    explicit Status(std::string message) : message_(std::move(message)) {}
    std::optional<std::string> message_;
};

template <class T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose
    Result(Status failure) : status_(std::move(failure)) {}  // NOLINT: must not be ok()
    static Result failure(std::string message) { return Result(Status::failure(std::move(message))); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T& operator*() const& { return *value_; }
    T& operator*() & { return *value_; }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    const std::string& message() const { return status_.message(); }
    Status status() const { return ok() ? Status::success() : status_; }

private:
    std::optional<T> value_;
    Status status_ = Status::success();
};

}  // namespace quornel
