#pragma once

#include <memory>

#include "designer/DesignApi.h"

namespace wbforms_designer {

// Serves the designer's HTTP interface on the loopback interface (127.0.0.1) only. The form is
// shared by the server's threads, so one request at a time reaches the API.
//
// A page from anywhere else that the browser shows could send requests to a local port, so
// the server answers only requests addressed to 127.0.0.1 or localhost (a foreign name in the
// Host header is refused: no DNS rebinding), refuses a foreign Origin, and takes changes only
// as application/json, which a foreign page cannot send without the browser asking first.
class TDesignServer {
public:
    explicit TDesignServer(TDesignApi& Api);
    ~TDesignServer();

    // Binds 127.0.0.1:Port, or a free port when Port is 0, and gives the port. Raises
    // wb::Exception when the port cannot be had.
    int Bind(int Port);
    // Answers requests until Stop is called (from another thread, while Run runs or is about
    // to); Run then returns.
    void Run();
    void Stop();

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

}  // namespace wbforms_designer
