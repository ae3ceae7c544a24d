#pragma once

// The web server's side of FastCGI, for tests: starts an application the way a server does
// (a listening Unix socket as its standard input) and sends it requests, one connection each.

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace wb::test {

struct TFastCGIAnswer {
    std::string Out;  // the FCGI_STDOUT stream: the CGI response
    std::string Err;  // the FCGI_STDERR stream: what the server would log
    bool Ended = false;  // an FCGI_END_REQUEST record came
};

class TFastCGIApplication {
public:
    // Runs Main in a child process whose standard input is a listening socket; the child ends
    // with what Main returns.
    explicit TFastCGIApplication(const std::function<int()>& Main) {
        FPath = "/tmp/wbforms_fcgi_" + std::to_string(getpid()) + "_" +
                std::to_string(FCount++) + ".sock";
        unlink(FPath.c_str());
        const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = Address();
        if (listener < 0 ||
            bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            listen(listener, 8) != 0)
            throw std::runtime_error("cannot listen on " + FPath);
        std::fflush(nullptr);
        FChild = fork();
        if (FChild == 0) {
            dup2(listener, STDIN_FILENO);
            if (listener != STDIN_FILENO) close(listener);
            _exit(Main());
        }
        close(listener);
    }
    ~TFastCGIApplication() {
        if (FChild > 0) {
            kill(FChild, SIGKILL);
            waitpid(FChild, nullptr, 0);
        }
        unlink(FPath.c_str());
    }
    TFastCGIApplication(const TFastCGIApplication&) = delete;
    TFastCGIApplication& operator=(const TFastCGIApplication&) = delete;

    // Sends one request with these parameters (the CGI variables) and body on a new
    // connection, and reads the answer until the application ends the request or closes.
    TFastCGIAnswer Request(const std::vector<std::pair<std::string, std::string>>& Params,
                           const std::string& Body = "") {
        const int connection = socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = Address();
        if (connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            throw std::runtime_error("cannot connect to " + FPath);
        std::string params;
        for (const auto& [name, value] : Params) {
            AppendLength(params, name.size());
            AppendLength(params, value.size());
            params += name;
            params += value;
        }
        std::string request;
        AppendRecord(request, kBeginRequest, std::string("\0\1\0\0\0\0\0\0", 8));  // responder
        AppendStream(request, kParams, params);
        AppendStream(request, kStdin, Body);
        WriteAll(connection, request);
        TFastCGIAnswer answer = ReadAnswer(connection);
        close(connection);
        return answer;
    }

private:
    static constexpr uint8_t kBeginRequest = 1, kEndRequest = 3, kParams = 4, kStdin = 5,
                             kStdout = 6, kStderr = 7;

    sockaddr_un Address() const {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, FPath.c_str(), sizeof address.sun_path - 1);
        return address;
    }

    static void AppendLength(std::string& Out, size_t Length) {
        if (Length < 128) {
            Out += static_cast<char>(Length);
            return;
        }
        Out += static_cast<char>(0x80 | ((Length >> 24) & 0x7F));
        Out += static_cast<char>((Length >> 16) & 0xFF);
        Out += static_cast<char>((Length >> 8) & 0xFF);
        Out += static_cast<char>(Length & 0xFF);
    }

    static void AppendRecord(std::string& Out, uint8_t Type, const std::string& Content) {
        const char header[8] = {1, static_cast<char>(Type), 0, 1,
                                static_cast<char>(Content.size() >> 8),
                                static_cast<char>(Content.size() & 0xFF), 0, 0};
        Out.append(header, 8);
        Out += Content;
    }

    // The content in records of at most 65535 bytes, closed by an empty record.
    static void AppendStream(std::string& Out, uint8_t Type, const std::string& Content) {
        for (size_t at = 0; at < Content.size(); at += 65535)
            AppendRecord(Out, Type, Content.substr(at, 65535));
        AppendRecord(Out, Type, "");
    }

    static void WriteAll(int Handle, const std::string& Data) {
        for (size_t at = 0; at < Data.size();) {
            const ssize_t written = write(Handle, Data.data() + at, Data.size() - at);
            if (written <= 0) throw std::runtime_error("cannot write the request");
            at += static_cast<size_t>(written);
        }
    }

    static bool ReadExactly(int Handle, char* Buffer, size_t Size) {
        while (Size > 0) {
            const ssize_t got = read(Handle, Buffer, Size);
            if (got <= 0) return false;
            Buffer += got;
            Size -= static_cast<size_t>(got);
        }
        return true;
    }

    static TFastCGIAnswer ReadAnswer(int Handle) {
        TFastCGIAnswer answer;
        unsigned char header[8];
        while (ReadExactly(Handle, reinterpret_cast<char*>(header), 8)) {
            const size_t length = (size_t{header[4]} << 8) | header[5];
            std::string content(length + header[6], '\0');
            if (!ReadExactly(Handle, content.data(), content.size())) break;
            content.resize(length);
            if (header[1] == kStdout) answer.Out += content;
            if (header[1] == kStderr) answer.Err += content;
            if (header[1] == kEndRequest) {
                answer.Ended = true;
                break;
            }
        }
        return answer;
    }

    inline static int FCount = 0;
    std::string FPath;
    pid_t FChild = -1;
};

}  // namespace wb::test
