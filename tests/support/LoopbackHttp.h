#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace wb::test {

struct THttpAnswer {
    int Status = 0;  // 0: no answer
    std::string Head;
    std::string Body;
};

// Sends one HTTP/1.1 request to 127.0.0.1:Port, exactly as given (Headers are "Name: value"
// lines), and reads the answer until the server closes the connection.
inline THttpAnswer LoopbackRequest(int Port, const std::string& Method, const std::string& Path,
                                   const std::vector<std::string>& Headers,
                                   const std::string& Body = "") {
    THttpAnswer answer;
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return answer;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(Port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return answer;
    }
    std::string request = Method + " " + Path + " HTTP/1.1\r\n";
    for (const std::string& header : Headers) request += header + "\r\n";
    request += "Content-Length: " + std::to_string(Body.size()) + "\r\nConnection: close\r\n\r\n";
    request += Body;
    for (size_t sent = 0; sent < request.size();) {
        const ssize_t count = send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (count <= 0) break;
        sent += static_cast<size_t>(count);
    }
    std::string raw;
    char buffer[4096];
    for (ssize_t count; (count = recv(fd, buffer, sizeof buffer, 0)) > 0;)
        raw.append(buffer, static_cast<size_t>(count));
    close(fd);
    const size_t end = raw.find("\r\n\r\n");
    if (raw.rfind("HTTP/1.1 ", 0) != 0 || end == std::string::npos) return answer;
    answer.Status = std::stoi(raw.substr(9, 3));
    answer.Head = raw.substr(0, end);
    answer.Body = raw.substr(end + 4);
    return answer;
}

}  // namespace wb::test
