// Runs the built command as a web server would: wbforms cgi, as a CGI program and as a FastCGI
// application.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cgi/WbCGI.h"
#include "cgi/WbFormRefill.h"
#include "core/WbPage.h"
#include "host/FormFile.h"
#include "support/FastCGIClient.h"
#include "util/WbMiscTools.h"

extern char** environ;

namespace wb {
namespace {

using TVariables = std::map<std::string, std::string>;

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "wbforms_cgi_" + std::to_string(getpid()) + "_" + name;
}

std::string WriteTemp(const std::string& name, const std::string& text) {
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string ReadAll(int Handle) {
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(Handle, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(got));
    close(Handle);
    return text;
}

// The environment of the test without request variables, with Variables added.
std::vector<std::string> Environment(const TVariables& Variables) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string line = *entry;
        const std::string name = line.substr(0, line.find('='));
        if (name != "QUERY_STRING" && name != "REQUEST_METHOD" && !name.starts_with("CONTENT_") &&
            name != "SCRIPT_FILENAME")
            environment.push_back(line);
    }
    for (const auto& [name, value] : Variables) environment.push_back(name + "=" + value);
    return environment;
}

// Runs the command under the name Name with these arguments and request variables, the body
// on standard input.
TRun RunCgi(const std::vector<std::string>& Args, const TVariables& Variables,
            const std::string& Body = "", const std::string& Name = "wbforms") {
    const std::string bodyFile = WriteTemp("body", Body);
    int out[2], err[2];
    EXPECT_EQ(pipe(out), 0);
    EXPECT_EQ(pipe(err), 0);
    std::vector<std::string> environment = Environment(Variables);
    std::vector<std::string> argv{Name};
    argv.insert(argv.end(), Args.begin(), Args.end());
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(open(bodyFile.c_str(), O_RDONLY), STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        std::vector<char*> args, env;
        for (auto& arg : argv) args.push_back(arg.data());
        for (auto& line : environment) env.push_back(line.data());
        args.push_back(nullptr);
        env.push_back(nullptr);
        execve(WBFORMS_COMMAND, args.data(), env.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    TRun run;
    run.Out = ReadAll(out[0]);
    run.Err = ReadAll(err[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

const std::string kExample = WBFORMS_EXAMPLES "/order.dfm";
const std::string kPageStart = "Content-Type: text/html\r\n\r\n";
const std::string kServerError =
    "Status: 500 Internal Server Error\r\nContent-Type: text/plain\r\n\r\n"
    "The page could not be made. The server's error log says why.\r\n";

// What the command answers: the page's put after the refill from the same request, as Send
// writes it.
std::string ExpectedAnswer(const std::string& FormFile, const std::string& Query,
                           const std::string& Component = "") {
    TFormReadOptions options;
    options.IgnoreEvents = true;
    const TFormFile file = TFormFile::Load(FormFile, options);
    TWbCGI cgi(nullptr);
    TWbCGIRequest request;
    request.Variable = [Query](const std::string& Name) -> std::optional<std::string> {
        if (Name == "QUERY_STRING") return Query;
        return std::nullopt;
    };
    cgi.SetRequest(request);
    WbRefillForm(file.Form(), cgi);
    WbMiscToolsStart();  // the command starts the package: its first image map is MAP0
    const std::string html = Component.empty() ? file.FindFirst<TWbPage>()->put()
                                               : file.Find<TWbVisibleComponent>(Component).put();
    return kPageStart + html + "\r\n";
}

const std::string kOrderQuery =
    "step=2&name=%3Cscript%3Ex%3C%2Fscript%3E+%26+Zo%EB&voucher=pw&quantity=3&size=l"
    "&colours=blue&gift=yes&shipping=express&note=a%22b%0D%0Ac";

TEST(CgiCommand, AnswersWithTheFormRefilledFromTheRequest) {
    const TRun get = RunCgi({"cgi", kExample}, {{"QUERY_STRING", kOrderQuery}});
    EXPECT_EQ(get.Status, 0) << get.Err;
    EXPECT_EQ(get.Err, "");
    EXPECT_EQ(get.Out, ExpectedAnswer(kExample, kOrderQuery));
    EXPECT_NE(get.Out.find("VALUE=\"&lt;script&gt;x&lt;/script&gt; &amp; Zo\xEB\""),
              std::string::npos);
    EXPECT_EQ(get.Out.find("<script>"), std::string::npos);
    // The same fields sent as a POST body give the same page.
    const TRun post = RunCgi({"cgi", kExample},
                             {{"REQUEST_METHOD", "POST"},
                              {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
                              {"CONTENT_LENGTH", std::to_string(kOrderQuery.size())}},
                             kOrderQuery);
    EXPECT_EQ(post.Status, 0) << post.Err;
    EXPECT_EQ(post.Out, get.Out);
    // The handler name of a web server, with the file as its only argument; a component.
    const TRun handler = RunCgi({kExample}, {{"QUERY_STRING", kOrderQuery}}, "", "/x/wbforms-cgi");
    EXPECT_EQ(handler.Out, get.Out);
    const TRun panel =
        RunCgi({"cgi", kExample, "--component", "Body"}, {{"QUERY_STRING", kOrderQuery}});
    EXPECT_EQ(panel.Out, ExpectedAnswer(kExample, kOrderQuery, "Body"));
    // Without a form file on the command line, the one the server maps the request to.
    const TRun mapped = RunCgi({"cgi"}, {{"QUERY_STRING", ""}, {"SCRIPT_FILENAME", kExample}});
    EXPECT_EQ(mapped.Out, ExpectedAnswer(kExample, ""));
}

TEST(CgiCommand, AnswersAFailureWithAnErrorStatus) {
    const std::string bad = WriteTemp("bad.dfm", "object F: TForm\n  Width 100\nend\n");
    const std::string post = "name=x";
    const struct {
        const char* Name;
        std::vector<std::string> Args;
        TVariables Variables;
        std::string Out;
        std::string Err;
    } cases[] = {
        {"a bad form file", {"cgi", bad}, {}, kServerError,
         "wbforms: " + bad + ":2:9: expected '='\n"},
        {"no form file at all", {"cgi"}, {}, kServerError,
         "wbforms: no form file: give FORM, or let the server set SCRIPT_FILENAME\n"},
        {"a body over the limit",
         {"cgi", kExample},
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "2000000"}},
         "Status: 400 Bad Request\r\nContent-Type: text/plain\r\n\r\n"
         "Request body not used: its 2000000 bytes are over the limit of 1048576 bytes\r\n",
         "wbforms: Request body not used: its 2000000 bytes are over the limit of 1048576 "
         "bytes\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRun run = RunCgi(c.Args, c.Variables);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Out, c.Out);
        EXPECT_EQ(run.Err, c.Err);
    }
    const TRun usage = RunCgi({"cgi", kExample, "--fast"}, {});
    EXPECT_EQ(usage.Status, 2);
    EXPECT_EQ(usage.Out, "");
    EXPECT_EQ(usage.Err.rfind("wbforms: unknown option '--fast'\nusage: wbforms cgi", 0), 0u);
}

// One process answers request after request, each from its own variables and its own form
// file, and goes on after a request it could not answer.
TEST(CgiCommand, ServesFastCGIRequestsOneAfterTheOther) {
    const std::string bad = WriteTemp("fbad.dfm", "object F: TForm\n  Width 100\nend\n");
    test::TFastCGIApplication application([] {
        execl(WBFORMS_COMMAND, "wbforms", "cgi", static_cast<char*>(nullptr));
        return 127;
    });
    const auto request = [&application](const std::string& Form, const std::string& Query) {
        return application.Request({{"REQUEST_METHOD", "GET"},
                                    {"QUERY_STRING", Query},
                                    {"SCRIPT_FILENAME", Form}});
    };
    const test::TFastCGIAnswer first = request(kExample, kOrderQuery);
    EXPECT_TRUE(first.Ended);
    EXPECT_EQ(first.Out, ExpectedAnswer(kExample, kOrderQuery));
    const test::TFastCGIAnswer failed = request(bad, "");
    EXPECT_EQ(failed.Out, kServerError);
    EXPECT_EQ(failed.Err, "wbforms: " + bad + ":2:9: expected '='\n");
    // Nothing of the first request shows in this one; the image map counter goes on counting.
    const test::TFastCGIAnswer fresh = request(kExample, "");
    std::string expected = ExpectedAnswer(kExample, "");
    const size_t map = expected.find("<MAP NAME=\"MAP0\"");
    ASSERT_NE(map, std::string::npos);
    expected.replace(map, 16, "<MAP NAME=\"MAP1\"");
    expected.replace(expected.find("USEMAP=\"#MAP0\""), 14, "USEMAP=\"#MAP1\"");
    EXPECT_EQ(fresh.Out, expected);
    EXPECT_EQ(fresh.Err, "");
}

TEST(CgiCommand, HelpGoesToStandardOutput) {
    const TRun run = RunCgi({"cgi", "--help"}, {});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out.rfind("usage: wbforms cgi [FORM] [--component NAME]\n", 0), 0u);
}

}  // namespace
}  // namespace wb
