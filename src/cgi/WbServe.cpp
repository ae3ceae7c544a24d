#include "cgi/WbServe.h"

#include <fcgiapp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>

namespace wb {

namespace {

// Where one request's answer and error message go.
struct TWbRequestStreams {
    TWbCGIWriter Output;  // empty: standard output, as the TWbCGI writes it
    std::function<void(const std::string& Message)> Log;
};

std::string ErrorAnswer(const std::string& Status, const std::string& Text) {
    return "Status: " + Status + "\r\nContent-Type: text/plain\r\n\r\n" + Text + "\r\n";
}

std::string ErrorAnswerFor(const std::exception& Error) {
    if (dynamic_cast<const EWbBadRequest*>(&Error) != nullptr)
        return ErrorAnswer("400 Bad Request", Error.what());
    return ErrorAnswer("500 Internal Server Error",
                       "The page could not be made. The server's error log says why.");
}

void WriteToStandardOutput(const char* Data, size_t Size) {
    std::fflush(stdout);
    while (Size > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, Data, Size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0)
            throw EInOutError(std::string("Cannot write the response to standard output: ") +
                              std::strerror(written < 0 ? errno : EIO));
        Data += written;
        Size -= static_cast<size_t>(written);
    }
}

// Runs the handler for one request; false when it raised.
bool Answer(const std::string& Program, const TWbRequestHandler& Handler,
            const TWbCGIRequest& Request, const TWbRequestStreams& Streams) {
    TWbCGI cgi(nullptr);
    cgi.SetRequest(Request);
    if (Streams.Output) cgi.SetOutput(Streams.Output);
    std::string answer;
    try {
        Handler(cgi, Request);
        return true;
    } catch (const std::exception& e) {
        Streams.Log(Program + ": " + e.what() + "\n");
        answer = ErrorAnswerFor(e);
    } catch (...) {
        Streams.Log(Program + ": unknown error\n");
        answer = ErrorAnswerFor(Exception(""));
    }
    // A response already begun cannot be turned into an error; one that cannot be written
    // (the server went away) has nobody to read it.
    if (!cgi.HeaderWritten()) {
        try {
            if (Streams.Output)
                Streams.Output(answer.data(), answer.size());
            else
                WriteToStandardOutput(answer.data(), answer.size());
        } catch (const std::exception&) {
        }
    }
    return false;
}

int ServeCGIRequest(const std::string& Program, const TWbRequestHandler& Handler) {
    const TWbRequestStreams streams{
        nullptr,
        [](const std::string& Message) { std::fputs(Message.c_str(), stderr); },
    };
    return Answer(Program, Handler, TWbCGIRequest::Process(), streams) ? 0 : 1;
}

// The FastCGI streams of one request as a TWbCGI request and output.
TWbCGIRequest FastCGIRequest(FCGX_Request& Request) {
    TWbCGIRequest request;
    request.Variable = [&Request](const std::string& Name) -> std::optional<std::string> {
        const char* value = FCGX_GetParam(Name.c_str(), Request.envp);
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
    request.ReadBody = [&Request](char* Buffer, size_t Size) -> ssize_t {
        const int count = FCGX_GetStr(Buffer, static_cast<int>(std::min<size_t>(Size, INT_MAX)),
                                      Request.in);
        if (count == 0 && FCGX_GetError(Request.in) != 0) {
            errno = EIO;
            return -1;
        }
        return count;
    };
    return request;
}

TWbRequestStreams FastCGIStreams(FCGX_Request& Request) {
    return {
        [&Request](const char* Data, size_t Size) {
            while (Size > 0) {
                const int chunk = static_cast<int>(std::min<size_t>(Size, INT_MAX));
                if (FCGX_PutStr(Data, chunk, Request.out) != chunk)
                    throw EInOutError("Cannot write the response to the FastCGI server");
                Data += chunk;
                Size -= static_cast<size_t>(chunk);
            }
        },
        [&Request](const std::string& Message) {
            FCGX_PutStr(Message.data(), static_cast<int>(Message.size()), Request.err);
        },
    };
}

int ServeFastCGIRequests(const std::string& Program, const TWbRequestHandler& Handler) {
    if (FCGX_Init() != 0) {
        std::fputs((Program + ": cannot start FastCGI\n").c_str(), stderr);
        return 1;
    }
    FCGX_Request request;
    FCGX_InitRequest(&request, 0, 0);
    while (FCGX_Accept_r(&request) >= 0) {
        Answer(Program, Handler, FastCGIRequest(request), FastCGIStreams(request));
        FCGX_Finish_r(&request);
    }
    FCGX_Free(&request, 1);
    return 0;
}

}  // namespace

bool WbIsFastCGI() {
    // A listening socket has no peer: the same test the FastCGI library makes.
    sockaddr_storage address;
    socklen_t length = sizeof address;
    errno = 0;
    return getpeername(STDIN_FILENO, reinterpret_cast<sockaddr*>(&address), &length) != 0 &&
           errno == ENOTCONN;
}

int WbServeRequests(const std::string& Program, const TWbRequestHandler& Handler) {
    std::signal(SIGPIPE, SIG_IGN);
    if (WbIsFastCGI()) return ServeFastCGIRequests(Program, Handler);
    return ServeCGIRequest(Program, Handler);
}

}  // namespace wb
