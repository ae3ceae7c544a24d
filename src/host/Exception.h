#pragma once

#include <exception>
#include <string>

namespace wb {

// The host's general exception class: every failure the package reports is one of these, with
// the message the user sees.
class Exception : public std::exception {
public:
    explicit Exception(std::string Message) : FMessage(std::move(Message)) {}

    const std::string& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// An index outside a list: "List index out of bounds (N)".
class EListError : public Exception {
public:
    explicit EListError(int Index);
};

// A string list index outside the list; same message as a list's.
class EStringListError : public EListError {
public:
    using EListError::EListError;
};

// An object handed to another that cannot take it over (Assign).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A failed input or output operation of the run-time library.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace wb
