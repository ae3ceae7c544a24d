#include "cgi/WbServe.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/FastCGIClient.h"

namespace wb {
namespace {

using test::TFastCGIApplication;

// Answers with what the request carries, so that a test sees which request it read.
void Echo(TWbCGI& CGI, const TWbCGIRequest& Request) {
    if (CGI.FormVar("fail", "") == "bad") throw EWbBadRequest("no such thing as 'bad'");
    if (CGI.FormVar("fail", "") == "yes") throw Exception("/secret/path.dfm:1:1: broken");
    CGI.Send("x=" + CGI.FormVar("x", "none") + " y=" + CGI.FormVar("y", "none") +
             " script=" + Request.Variable("SCRIPT_NAME").value_or("unset"));
}

int ServeEcho() { return WbServeRequests("echo", Echo); }

std::vector<std::pair<std::string, std::string>> Get(const std::string& Query) {
    return {{"REQUEST_METHOD", "GET"}, {"QUERY_STRING", Query}, {"SCRIPT_NAME", "/fcgi/echo"}};
}

TEST(WbServeRequests, FastCGIAnswersEveryRequestWithItsOwnVariablesAndBody) {
    TFastCGIApplication application(ServeEcho);
    const test::TFastCGIAnswer first = application.Request(Get("x=1&y=%3Cb%3E"));
    EXPECT_TRUE(first.Ended);
    EXPECT_EQ(first.Out, "Content-Type: text/html\r\n\r\nx=1 y=<b> script=/fcgi/echo\r\n");
    // Nothing of the first request is seen in the second.
    const test::TFastCGIAnswer second = application.Request({{"REQUEST_METHOD", "GET"}});
    EXPECT_EQ(second.Out, "Content-Type: text/html\r\n\r\nx=none y=none script=unset\r\n");
    const std::string body = "x=" + std::string(70000, 'a') + "&y=2";
    const test::TFastCGIAnswer post = application.Request(
        {{"REQUEST_METHOD", "POST"},
         {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
         {"CONTENT_LENGTH", std::to_string(body.size())},
         {"QUERY_STRING", "y=1"}},
        body);
    EXPECT_EQ(post.Out, "Content-Type: text/html\r\n\r\nx=" + std::string(70000, 'a') +
                            " y=1 script=unset\r\n");
}

TEST(WbServeRequests, FastCGIAnswersAFailedRequestAndGoesOn) {
    TFastCGIApplication application(ServeEcho);
    const test::TFastCGIAnswer failed = application.Request(Get("fail=yes"));
    EXPECT_TRUE(failed.Ended);
    EXPECT_EQ(failed.Out,
              "Status: 500 Internal Server Error\r\nContent-Type: text/plain\r\n\r\n"
              "The page could not be made. The server's error log says why.\r\n");
    EXPECT_EQ(failed.Err, "echo: /secret/path.dfm:1:1: broken\n");
    const test::TFastCGIAnswer bad = application.Request(Get("fail=bad"));
    EXPECT_EQ(bad.Out,
              "Status: 400 Bad Request\r\nContent-Type: text/plain\r\n\r\n"
              "no such thing as 'bad'\r\n");
    const test::TFastCGIAnswer next = application.Request(Get("x=2"));
    EXPECT_EQ(next.Out, "Content-Type: text/html\r\n\r\nx=2 y=none script=/fcgi/echo\r\n");
    EXPECT_EQ(next.Err, "");
}

struct TCGIRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string ReadAll(int Handle) {
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(Handle, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(got));
    close(Handle);
    return text;
}

// Runs ServeEcho as a CGI program would run: in a process of its own, with QUERY_STRING set,
// standard input /dev/null and standard output and error read by the test.
TCGIRun RunAsCGI(const std::string& Query) {
    int out[2], err[2];
    EXPECT_EQ(pipe(out), 0);
    EXPECT_EQ(pipe(err), 0);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_RDONLY);
        dup2(null, STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(out[0]);
        close(err[0]);
        setenv("QUERY_STRING", Query.c_str(), 1);
        unsetenv("SCRIPT_NAME");
        unsetenv("REQUEST_METHOD");
        _exit(ServeEcho());
    }
    close(out[1]);
    close(err[1]);
    TCGIRun run;
    run.Out = ReadAll(out[0]);
    run.Err = ReadAll(err[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(WbServeRequests, CGIAnswersItsOneRequest) {
    const TCGIRun ok = RunAsCGI("x=a+b");
    EXPECT_EQ(ok.Status, 0);
    EXPECT_EQ(ok.Out, "Content-Type: text/html\r\n\r\nx=a b y=none script=unset\r\n");
    EXPECT_EQ(ok.Err, "");
    const TCGIRun failed = RunAsCGI("fail=yes");
    EXPECT_EQ(failed.Status, 1);
    EXPECT_EQ(failed.Out,
              "Status: 500 Internal Server Error\r\nContent-Type: text/plain\r\n\r\n"
              "The page could not be made. The server's error log says why.\r\n");
    EXPECT_EQ(failed.Err, "echo: /secret/path.dfm:1:1: broken\n");
}

// Standard input as the server leaves it decides the way: only a listening socket is FastCGI.
TEST(WbIsFastCGI, OnlyAListeningSocketOnStandardInput) {
    const int saved = dup(STDIN_FILENO);
    const auto withInput = [](int Handle) {
        dup2(Handle, STDIN_FILENO);
        close(Handle);
        return WbIsFastCGI();
    };
    EXPECT_FALSE(withInput(open("/dev/null", O_RDONLY)));
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[1]);
    EXPECT_FALSE(withInput(ends[0]));
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    close(ends[1]);
    EXPECT_FALSE(withInput(ends[0])) << "a connected socket";
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = "/tmp/wbforms_isfcgi_" + std::to_string(getpid()) + ".sock";
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    unlink(path.c_str());
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    EXPECT_TRUE(withInput(listener));
    unlink(path.c_str());
    dup2(saved, STDIN_FILENO);
    close(saved);
}

}  // namespace
}  // namespace wb
