#include "cgi/WbCGI.h"

#include "host/Published.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>

#include "host/Exception.h"

namespace wb {

namespace {

constexpr std::string_view kHeaderLine = "Content-Type: text/html\r\n";
constexpr std::string_view kFormContentType = "application/x-www-form-urlencoded";
constexpr size_t kBodyChunk = 64 * 1024;

// Keeps SIGPIPE from ending the process while this thread writes: the signal is blocked, and
// one that our own write raised is taken out of the pending set before the old mask returns.
// A SIGPIPE that was pending before is left alone, and so are the program's own handlers.
class TPipeSignalBlock {
public:
    TPipeSignalBlock() {
        sigemptyset(&FPipe);
        sigaddset(&FPipe, SIGPIPE);
        sigset_t pending;
        sigemptyset(&pending);
        sigpending(&pending);
        FWasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &FPipe, &FOldMask);
    }
    ~TPipeSignalBlock() {
        if (FRaised && !FWasPending) {
            const timespec noWait{};
            while (sigtimedwait(&FPipe, nullptr, &noWait) == -1 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &FOldMask, nullptr);
    }
    TPipeSignalBlock(const TPipeSignalBlock&) = delete;
    TPipeSignalBlock& operator=(const TPipeSignalBlock&) = delete;

    void Raised() { FRaised = true; }

private:
    sigset_t FPipe;
    sigset_t FOldMask;
    bool FWasPending = false;
    bool FRaised = false;
};

std::string OutputName(int Handle) {
    if (Handle == STDOUT_FILENO) return "standard output";
    return "file handle " + std::to_string(Handle);
}

[[noreturn]] void RaiseWriteError(int Handle, int Error) {
    std::string reason = std::strerror(Error);
    if (Error == EAGAIN || Error == EWOULDBLOCK) reason = "the output is full (" + reason + ")";
    throw EInOutError("Cannot write the response to " + OutputName(Handle) + ": " + reason);
}

// Writes every byte or raises; an interrupted write goes on, a full non-blocking output is a
// failure rather than a reason to spin.
void WriteToHandle(int Handle, const char* Data, size_t Size) {
    TPipeSignalBlock block;
    if (Handle == STDOUT_FILENO) {
        // What the program printed through the C and C++ streams goes out first, in call order.
        std::cout.flush();
        std::fflush(stdout);
    }
    while (Size > 0) {
        const ssize_t written = ::write(Handle, Data, Size);
        if (written > 0) {
            Data += written;
            Size -= static_cast<size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        const int error = written < 0 ? errno : EIO;
        if (error == EPIPE) block.Raised();
        RaiseWriteError(Handle, error);
    }
}

int HexValue(char Digit) {
    if (Digit >= '0' && Digit <= '9') return Digit - '0';
    if (Digit >= 'A' && Digit <= 'F') return Digit - 'A' + 10;
    if (Digit >= 'a' && Digit <= 'f') return Digit - 'a' + 10;
    return -1;
}

// "+" becomes a blank, "%" with two hexadecimal digits the byte they give; any other "%" stays.
std::string Decode(std::string_view Text) {
    std::string result;
    result.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '+') {
            result += ' ';
        } else if (c == '%' && i + 2 < Text.size() && HexValue(Text[i + 1]) >= 0 &&
                   HexValue(Text[i + 2]) >= 0) {
            result += static_cast<char>(HexValue(Text[i + 1]) * 16 + HexValue(Text[i + 2]));
            i += 2;
        } else {
            result += c;
        }
    }
    return result;
}

// Every part between "&"s, empty ones included; nothing after a final "&".
std::vector<std::string_view> SplitItems(std::string_view Text) {
    std::vector<std::string_view> items;
    while (!Text.empty()) {
        const size_t ampersand = Text.find('&');
        items.push_back(Text.substr(0, ampersand));
        if (ampersand == std::string_view::npos) break;
        Text.remove_prefix(ampersand + 1);
    }
    return items;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The media type of a Content-Type value, without parameters such as "; charset=...".
std::string_view MediaType(std::string_view ContentType) {
    ContentType = ContentType.substr(0, ContentType.find(';'));
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!ContentType.empty() && blank(ContentType.front())) ContentType.remove_prefix(1);
    while (!ContentType.empty() && blank(ContentType.back())) ContentType.remove_suffix(1);
    return ContentType;
}

bool IsFormPost(const TWbCGIRequest& Request) {
    return Request.Variable("REQUEST_METHOD").value_or("") == "POST" &&
           SameText(MediaType(Request.Variable("CONTENT_TYPE").value_or("")), kFormContentType);
}

// CONTENT_LENGTH is one or more decimal digits; anything else, or a number too large to hold,
// is no length.
std::optional<size_t> ParseLength(std::string_view Text) {
    if (Text.empty()) return std::nullopt;
    size_t length = 0;
    for (const char c : Text) {
        if (c < '0' || c > '9') return std::nullopt;
        const size_t digit = static_cast<size_t>(c - '0');
        if (length > (SIZE_MAX - digit) / 10) return std::nullopt;
        length = length * 10 + digit;
    }
    return length;
}

// A request value quoted in a message, cut short when it is long.
std::string Quoted(std::string_view Text) {
    constexpr size_t kShown = 40;
    if (Text.size() <= kShown) return "'" + std::string(Text) + "'";
    return "'" + std::string(Text.substr(0, kShown)) + "...'";
}

constexpr std::string_view kNotUsed = "Request body not used: ";

}  // namespace

TWbCGIRequest TWbCGIRequest::Process() {
    TWbCGIRequest request;
    request.Variable = [](const std::string& Name) -> std::optional<std::string> {
        const char* value = std::getenv(Name.c_str());
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
    request.ReadBody = [](char* Buffer, size_t Size) { return ::read(STDIN_FILENO, Buffer, Size); };
    return request;
}

TWbCGI::TWbCGI(TComponent* AOwner) : TComponent(AOwner), FRequest(TWbCGIRequest::Process()) {}

TWbCGI::~TWbCGI() = default;

void TWbCGI::SetRequest(TWbCGIRequest Request) {
    FRequest = std::move(Request);
    if (!FRequest.Variable)
        FRequest.Variable = [](const std::string&) -> std::optional<std::string> { return {}; };
    if (!FRequest.ReadBody) FRequest.ReadBody = [](char*, size_t) -> ssize_t { return 0; };
}

void TWbCGI::Publish() { Published<TWbCGI>("TWbCGI", "TComponent"); }

void TWbCGI::SetOutputHandle(int Handle) {
    FOutputHandle = Handle;
    FOutput = nullptr;
}

void TWbCGI::SetOutput(TWbCGIWriter Writer) { FOutput = std::move(Writer); }

void TWbCGI::Send(const std::string& Text) {
    if (!FHeaderWritten) Write(std::string(kHeaderLine));
    FHeaderWritten = true;
    std::string part;
    part.reserve(Text.size() + 4);
    part += "\r\n";
    part += Text;
    part += "\r\n";
    Write(part);
}

void TWbCGI::Write(const std::string& Data) {
    if (FOutput)
        FOutput(Data.data(), Data.size());
    else
        WriteToHandle(FOutputHandle, Data.data(), Data.size());
}

std::string TWbCGI::GetQueryString() const {
    return FRequest.Variable("QUERY_STRING").value_or("");
}

void TWbCGI::LoadFormVars() {
    if (!FFormVars) FFormVars = std::make_unique<TStringList>();
    AppendItems(GetQueryString());
    ReadBodyOnce();
    AppendItems(FBody);
}

void TWbCGI::AppendItems(const std::string& Text) {
    for (const std::string_view item : SplitItems(Text)) {
        FFormVars->Add(std::string(item));
        const size_t length = item.find('=');
        std::string decoded =
            length == std::string_view::npos ? std::string() : Decode(item.substr(0, length));
        const bool differs = length != std::string_view::npos && decoded != item.substr(0, length);
        FItemNames.push_back({length, differs, differs ? std::move(decoded) : std::string()});
    }
}

std::optional<std::string_view> TWbCGI::FindValue(const std::string& Name, size_t& Index) const {
    for (; Index < FItemNames.size(); ++Index) {
        const TItemName& name = FItemNames[Index];
        if (name.Length == std::string_view::npos) continue;
        const std::string_view item = (*FFormVars)[static_cast<int32_t>(Index)];
        if (item.substr(0, name.Length) == Name || (name.DecodedDiffers && name.Decoded == Name))
            return item.substr(name.Length + 1);
    }
    return std::nullopt;
}

std::string TWbCGI::FormVar(const std::string& Name, const std::string& Default) {
    EnsureFormVars();
    size_t index = 0;
    if (const auto value = FindValue(Name, index)) return Decode(*value);
    return Decode(Default);
}

std::vector<std::string> TWbCGI::FormVarValues(const std::string& Name) {
    EnsureFormVars();
    std::vector<std::string> values;
    for (size_t index = 0; const auto value = FindValue(Name, index); ++index)
        values.push_back(Decode(*value));
    return values;
}

const TStrings& TWbCGI::FormVars() {
    EnsureFormVars();
    return *FFormVars;
}

const std::string& TWbCGI::BodyError() {
    EnsureFormVars();
    return FBodyError;
}

void TWbCGI::EnsureFormVars() {
    if (!FFormVars) LoadFormVars();
}

void TWbCGI::ReadBodyOnce() {
    if (FBodyRead) return;
    FBodyRead = true;
    if (!IsFormPost(FRequest)) return;
    const std::string announced = FRequest.Variable("CONTENT_LENGTH").value_or("");
    if (announced.empty()) {
        FBodyError = std::string(kNotUsed) + "CONTENT_LENGTH is not set";
        return;
    }
    const std::optional<size_t> length = ParseLength(announced);
    if (!length) {
        FBodyError = std::string(kNotUsed) + "CONTENT_LENGTH " + Quoted(announced) +
                     " is not a number of bytes";
        return;
    }
    if (*length > FMaxBodySize) {
        FBodyError = std::string(kNotUsed) + "its " + std::to_string(*length) +
                     " bytes are over the limit of " + std::to_string(FMaxBodySize) + " bytes";
        return;
    }
    FBody = ReadBodyText(*length);
}

// The body, exactly Length bytes; empty, with the reason in FBodyError, when it cannot be had.
std::string TWbCGI::ReadBodyText(size_t Length) {
    std::string body;
    size_t got = 0;
    while (got < Length) {
        const size_t chunk = std::min(Length - got, kBodyChunk);
        body.resize(got + chunk);
        const ssize_t count = FRequest.ReadBody(body.data() + got, chunk);
        if (count > 0) {
            got += std::min(static_cast<size_t>(count), chunk);
            continue;
        }
        if (count < 0 && errno == EINTR) continue;
        if (count < 0)
            FBodyError = std::string(kNotUsed) + "reading it failed: " + std::strerror(errno);
        else
            FBodyError = std::string(kNotUsed) + "it ended after " + std::to_string(got) +
                         " of the " + std::to_string(Length) +
                         " bytes announced by CONTENT_LENGTH";
        return {};
    }
    body.resize(got);
    return body;
}

}  // namespace wb
