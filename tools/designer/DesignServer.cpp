#include "designer/DesignServer.h"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

#include "host/Exception.h"

namespace wbforms_designer {

namespace {

constexpr const char* kLoopback = "127.0.0.1";
// The largest request body the designer takes: far more than any change needs.
constexpr size_t kMaxBody = 4 * 1024 * 1024;

void Refuse(httplib::Response& response, int status, const std::string& message) {
    response.status = status;
    response.set_content("{\"error\":\"" + message + "\"}", "application/json");
}

bool IsOneOf(const std::string& value, const std::string& prefix, int port) {
    const std::string suffix = ":" + std::to_string(port);
    return value == prefix + kLoopback + suffix || value == prefix + "localhost" + suffix;
}

}  // namespace

struct TDesignServer::TImpl {
    explicit TImpl(TDesignApi& api) : Api(api) {}

    TDesignApi& Api;
    httplib::Server Server;
    std::mutex Lock;
    int Port = 0;
    std::atomic<bool> Stopping = false;
    std::atomic<bool> Finished = false;

    // Answered here when the request does not come from the designer's own page.
    bool Guard(const httplib::Request& request, httplib::Response& response) const {
        if (!IsOneOf(request.get_header_value("Host"), "", Port)) {
            Refuse(response, 403, "the designer answers requests to 127.0.0.1 only");
            return true;
        }
        if (request.has_header("Origin") &&
            !IsOneOf(request.get_header_value("Origin"), "http://", Port)) {
            Refuse(response, 403, "the designer answers its own page only");
            return true;
        }
        if (request.method == "POST" &&
            !request.get_header_value("Content-Type").starts_with("application/json")) {
            Refuse(response, 415, "changes are sent as application/json");
            return true;
        }
        return false;
    }

    void Answer(const httplib::Request& request, httplib::Response& response) {
        THttpResponse answer;
        {
            const std::lock_guard<std::mutex> hold(Lock);
            answer = Api.Handle(request.method, request.path, request.body);
        }
        response.status = answer.Status;
        response.set_header("Cache-Control", "no-store");
        response.set_content(std::move(answer.Body), answer.ContentType.c_str());
    }
};

TDesignServer::TDesignServer(TDesignApi& Api) : FImpl(std::make_unique<TImpl>(Api)) {
    httplib::Server& server = FImpl->Server;
    server.set_payload_max_length(kMaxBody);
    server.set_pre_routing_handler([this](const httplib::Request& request,
                                          httplib::Response& response) {
        return FImpl->Guard(request, response) ? httplib::Server::HandlerResponse::Handled
                                               : httplib::Server::HandlerResponse::Unhandled;
    });
    const auto answer = [this](const httplib::Request& request, httplib::Response& response) {
        FImpl->Answer(request, response);
    };
    server.Get(".*", answer);
    server.Post(".*", answer);
}

TDesignServer::~TDesignServer() = default;

int TDesignServer::Bind(int Port) {
    httplib::Server& server = FImpl->Server;
    const int port = Port == 0 ? server.bind_to_any_port(kLoopback)
                               : (server.bind_to_port(kLoopback, Port) ? Port : -1);
    if (port <= 0)
        throw wb::Exception("cannot listen on " + std::string(kLoopback) + ":" +
                            std::to_string(Port) +
                            " (is it in use? --port 0 picks a free port)");
    FImpl->Port = port;
    return port;
}

void TDesignServer::Run() {
    if (!FImpl->Stopping) FImpl->Server.listen_after_bind();
    FImpl->Finished = true;
}

// The server stops only once it runs: a Stop that comes while Run is starting waits for it.
void TDesignServer::Stop() {
    FImpl->Stopping = true;
    while (!FImpl->Finished) {
        if (FImpl->Server.is_running()) {
            FImpl->Server.stop();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace wbforms_designer
