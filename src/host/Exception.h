#pragma once

#include <cstdint>
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

// A form file that cannot be read. The message names the place:
// "order.dfm:12:5: expected '='".
class EFormFileError : public Exception {
public:
    EFormFileError(const std::string& FileName, int32_t Line, int32_t Column, std::string Reason);

    const std::string& FileName() const { return FFileName; }
    int32_t Line() const { return FLine; }
    int32_t Column() const { return FColumn; }
    // What went wrong, without the place.
    const std::string& Reason() const { return FReason; }

private:
    std::string FFileName;
    int32_t FLine;
    int32_t FColumn;
    std::string FReason;
};

}  // namespace wb
