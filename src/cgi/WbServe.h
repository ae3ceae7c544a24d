#pragma once

#include <functional>
#include <string>

#include "cgi/WbCGI.h"
#include "host/Exception.h"

namespace wb {

// What a program does with one request: read it through CGI (its own TWbCGI, reading this
// request and writing its response) and answer with CGI.Send. Request gives the request's
// other variables, such as SCRIPT_NAME or DOCUMENT_ROOT.
using TWbRequestHandler = std::function<void(TWbCGI& CGI, const TWbCGIRequest& Request)>;

// A request that cannot be answered because of the request itself (a body over the limit, a
// missing field that the program cannot do without). WbServeRequests answers it with
// "400 Bad Request" and the message.
class EWbBadRequest : public Exception {
public:
    using Exception::Exception;
};

// True when a FastCGI server started the program: its standard input is a listening socket.
bool WbIsFastCGI();

// Answers requests with Handler until there are no more: the one request of a CGI program, or,
// when a FastCGI server started the program, every request the server sends it, one after the
// other in this one process. Every request gets a new TWbCGI that sees only that request's
// variables and body and writes only that request's response.
//
// A handler that raises does not end the serving: the message, after Program and ": ", goes to
// the error stream (standard error, or the FastCGI server's error log), and when the handler
// had not sent anything yet the browser gets a short plain-text answer, "400 Bad Request" with
// the message for EWbBadRequest and "500 Internal Server Error" without details for anything
// else. SIGPIPE is ignored from the first call on, so a server that goes away makes writes
// fail instead of ending the program.
//
// Returns the exit status for main: 1 when the request of a CGI program failed, otherwise 0.
int WbServeRequests(const std::string& Program, const TWbRequestHandler& Handler);

}  // namespace wb
