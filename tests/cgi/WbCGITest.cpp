#include "cgi/WbCGI.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/Exception.h"
#include "host/Forms.h"

namespace wb {
namespace {

using Items = std::vector<std::string>;

// A request made up by the test: its variables, its body handed out at most Chunk bytes a
// read, and a count of what the component asked for.
struct FakeRequest {
    std::map<std::string, std::string> variables;
    std::string body;
    size_t chunk = 1 << 20;
    int failWith = 0;  // an errno that the next read reports, once
    int queryReads = 0;
    int bodyReads = 0;
    size_t bodyOffset = 0;

    TWbCGIRequest Make() {
        TWbCGIRequest request;
        request.Variable = [this](const std::string& name) -> std::optional<std::string> {
            if (name == "QUERY_STRING") ++queryReads;
            const auto found = variables.find(name);
            if (found == variables.end()) return std::nullopt;
            return found->second;
        };
        request.ReadBody = [this](char* buffer, size_t size) -> ssize_t {
            ++bodyReads;
            if (failWith != 0) {
                errno = std::exchange(failWith, 0);
                return -1;
            }
            const size_t count = std::min({size, chunk, body.size() - bodyOffset});
            std::copy_n(body.data() + bodyOffset, count, buffer);
            bodyOffset += count;
            return static_cast<ssize_t>(count);
        };
        return request;
    }
};

FakeRequest Query(const std::string& query) {
    FakeRequest request;
    request.variables["QUERY_STRING"] = query;
    return request;
}

FakeRequest FormPost(const std::string& query, const std::string& body) {
    FakeRequest request = Query(query);
    request.variables["REQUEST_METHOD"] = "POST";
    request.variables["CONTENT_TYPE"] = "application/x-www-form-urlencoded";
    request.variables["CONTENT_LENGTH"] = std::to_string(body.size());
    request.body = body;
    return request;
}

Items ItemsOf(const TStrings& list) { return Items(list.begin(), list.end()); }

// Both ends of a pipe, closed at the end of the test.
struct Pipe {
    int read = -1;
    int write = -1;

    Pipe() {
        int ends[2];
        EXPECT_EQ(pipe(ends), 0);
        read = ends[0];
        write = ends[1];
    }
    ~Pipe() {
        CloseRead();
        if (write >= 0) close(write);
    }
    void CloseRead() {
        if (read >= 0) close(read);
        read = -1;
    }
    // Everything written so far; the write end must not block the test.
    std::string Drain() {
        fcntl(read, F_SETFL, fcntl(read, F_GETFL) | O_NONBLOCK);
        std::string data;
        char buffer[4096];
        ssize_t count;
        while ((count = ::read(read, buffer, sizeof buffer)) > 0) data.append(buffer, count);
        return data;
    }
};

TEST(WbCGI, FormValuesAndDefaultsAreDecodedOnce) {
    const struct {
        const char* name;
        std::string sent;
        std::string expected;
    } cases[] = {
        {"escaped comma", "a%2Cb", "a,b"},
        {"escaped percent", "100%25", "100%"},
        {"plus", "x+y", "x y"},
        {"plus and escaped plus", "a+%2B", "a +"},
        {"encoded exclamation mark", "a+b%21", "a b!"},
        {"lower and mixed case hex", "%4a%4A%e9%E9%eF", "JJ\xE9\xE9\xEF"},
        {"zero byte", "%00", std::string("\0", 1)},
        {"decoded once", "%2541", "%41"},
        {"lone percent", "%", "%"},
        {"percent at end", "50%", "50%"},
        {"one digit", "%4", "%4"},
        {"one digit at end", "a%2", "a%2"},
        {"two characters", "%2", "%2"},
        {"not hexadecimal", "%G1", "%G1"},
        {"second digit not hexadecimal", "%4G", "%4G"},
        {"percent before escape", "%%41", "%A"},
        {"plus inside escape", "%4+", "%4 "},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRequest request = Query("v=" + c.sent);
        TWbCGI cgi(nullptr);
        cgi.SetRequest(request.Make());
        EXPECT_EQ(cgi.FormVar("v", "unused"), c.expected);
        EXPECT_EQ(cgi.FormVar("absent", c.sent), c.expected);
    }
}

TEST(WbCGI, QueryStringSplitsAtEveryAmpersand) {
    const struct {
        const char* query;
        Items items;
    } cases[] = {
        {"a=1&b=2", {"a=1", "b=2"}},
        {"a=1&&b=2", {"a=1", "", "b=2"}},
        {"&a=1", {"", "a=1"}},
        {"a=1&", {"a=1"}},
        {"&", {""}},
        {"&&", {"", ""}},
        {"", {}},
        {"flag&x=", {"flag", "x="}},
        {"a=%26&b+c=%3D", {"a=%26", "b+c=%3D"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        FakeRequest request = Query(c.query);
        TWbCGI cgi(nullptr);
        cgi.SetRequest(request.Make());
        EXPECT_EQ(ItemsOf(cgi.FormVars()), c.items);
    }
}

TEST(WbCGI, FirstItemWithTheNameAsSentOrDecodedWins) {
    const struct {
        const char* query;
        const char* name;
        const char* expected;
    } cases[] = {
        {"x=1&x=2", "x", "1"},
        {"xy=1", "x", "d"},
        {"xy=1", "xy", "1"},
        {"x=1", "X", "d"},
        {"flag&x=", "flag", "d"},
        {"flag&x=", "x", ""},
        {"x=a=b", "x", "a=b"},
        {"first+name=Ann", "first name", "Ann"},
        {"first+name=Ann", "first+name", "Ann"},
        {"a%3Db=1", "a=b", "1"},
        {"a%3Db=1", "a%3Db", "1"},
        {"%78=1&x=2", "x", "1"},
        {"x%=1", "x%", "1"},
        {"=v", "", "v"},
        {"", "x", "d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.query) + " / " + c.name);
        FakeRequest request = Query(c.query);
        TWbCGI cgi(nullptr);
        cgi.SetRequest(request.Make());
        EXPECT_EQ(cgi.FormVar(c.name, "d"), c.expected);
    }
}

TEST(WbCGI, FormVarValuesGivesEveryItemOfTheName) {
    FakeRequest request = Query("c=1&d=2&c=%33&c");
    TWbCGI cgi(nullptr);
    cgi.SetRequest(request.Make());
    EXPECT_EQ(cgi.FormVarValues("c"), (Items{"1", "3"}));
    EXPECT_EQ(cgi.FormVarValues("e"), Items{});
}

TEST(WbCGI, RequestIsReadOnce) {
    FakeRequest request = FormPost("a=1", "b=2");
    TWbCGI cgi(nullptr);
    cgi.SetRequest(request.Make());
    EXPECT_EQ(cgi.FormVar("a", "d"), "1");
    request.variables["QUERY_STRING"] = "a=changed";
    request.body = "b=changed";
    request.bodyOffset = 0;
    EXPECT_EQ(cgi.FormVar("a", "d"), "1");
    EXPECT_EQ(cgi.FormVar("b", "d"), "2");
    EXPECT_EQ(cgi.BodyError(), "");
    EXPECT_EQ(request.queryReads, 1);
    EXPECT_EQ(request.bodyReads, 1);
}

TEST(WbCGI, LoadFormVarsBeforeFormVarLoadsTheListFormVarUses) {
    FakeRequest request = FormPost("a=1", "b=2");
    TWbCGI cgi(nullptr);
    cgi.SetRequest(request.Make());
    cgi.LoadFormVars();
    EXPECT_EQ(cgi.FormVar("b", "d"), "2");
    EXPECT_EQ(request.queryReads, 1);

    // A second load appends the same items again; the first ones still answer.
    cgi.LoadFormVars();
    EXPECT_EQ(ItemsOf(cgi.FormVars()), (Items{"a=1", "b=2", "a=1", "b=2"}));
    EXPECT_EQ(cgi.FormVar("a", "d"), "1");
    EXPECT_EQ(request.bodyReads, 1);
}

TEST(WbCGI, WholeQueryStringIsRead) {
    std::string query;
    for (int i = 0; i < 2000; ++i)
        query += "f" + std::to_string(i) + "=v" + std::to_string(i) + "&";
    query += "last=end";
    ASSERT_GT(query.size(), 20000u);
    FakeRequest request = Query(query);
    TWbCGI cgi(nullptr);
    cgi.SetRequest(request.Make());
    EXPECT_EQ(cgi.GetQueryString(), query);
    EXPECT_EQ(cgi.FormVar("last", "d"), "end");
    EXPECT_EQ(cgi.FormVars().Count(), 2001);

    FakeRequest unset;
    TWbCGI empty(nullptr);
    empty.SetRequest(unset.Make());
    EXPECT_EQ(empty.GetQueryString(), "");
    EXPECT_EQ(empty.FormVar("x", "a+b"), "a b");
    EXPECT_EQ(empty.FormVars().Count(), 0);
}

// The default source: the process's environment and standard input.
TEST(WbCGI, ProcessRequestReadsEnvironmentAndStandardInput) {
    const std::string query = "q=" + std::string(5000, 'x') + "&r=%41";
    setenv("QUERY_STRING", query.c_str(), 1);
    setenv("REQUEST_METHOD", "POST", 1);
    setenv("CONTENT_TYPE", "application/x-www-form-urlencoded", 1);
    setenv("CONTENT_LENGTH", "7", 1);
    Pipe body;
    ASSERT_EQ(write(body.write, "b=2&c=3", 7), 7);
    const int savedInput = dup(STDIN_FILENO);
    ASSERT_GE(dup2(body.read, STDIN_FILENO), 0);

    TWbCGI cgi(nullptr);
    EXPECT_EQ(cgi.GetQueryString(), query);
    EXPECT_EQ(cgi.FormVar("r", "d"), "A");
    EXPECT_EQ(cgi.FormVar("c", "d"), "3");
    EXPECT_EQ(cgi.BodyError(), "");

    dup2(savedInput, STDIN_FILENO);
    close(savedInput);
    for (const char* name : {"QUERY_STRING", "REQUEST_METHOD", "CONTENT_TYPE", "CONTENT_LENGTH"})
        unsetenv(name);
}

TEST(WbCGI, FormPostBodyIsReadWithinItsLengthAndTheLimit) {
    const struct {
        const char* name;
        std::map<std::string, std::string> variables;
        std::string body;
        size_t limit;
        Items items;
        std::string error;  // a part of BodyError; empty when there is none
        size_t consumed;    // bytes taken from the body
    } cases[] = {
        {"form post",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "7"}},
         "b=2&c=3", 0, {"q=1", "b=2", "c=3"}, "", 7},
        {"type with parameters in another case",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", " Application/X-WWW-Form-URLencoded ; charset=ISO-8859-1"},
          {"CONTENT_LENGTH", "3"}},
         "b=2", 0, {"q=1", "b=2"}, "", 3},
        {"body exactly at the limit",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "8"}},
         "b=2&c=34", 8, {"q=1", "b=2", "c=34"}, "", 8},
        {"body over the limit",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "9"}},
         "b=2&c=345", 8, {"q=1"}, "its 9 bytes are over the limit of 8 bytes", 0},
        {"body shorter than announced",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "10"}},
         "b=2", 0, {"q=1"}, "it ended after 3 of the 10 bytes", 3},
        {"more body than announced",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "3"}},
         "b=2&c=3", 0, {"q=1", "b=2"}, "", 3},
        {"empty body",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "0"}},
         "", 0, {"q=1"}, "", 0},
        {"no length",
         {{"REQUEST_METHOD", "POST"}, {"CONTENT_TYPE", "application/x-www-form-urlencoded"}},
         "b=2", 0, {"q=1"}, "CONTENT_LENGTH is not set", 0},
        {"empty length",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", ""}},
         "b=2", 0, {"q=1"}, "CONTENT_LENGTH is not set", 0},
        {"negative length",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "-1"}},
         "b=2", 0, {"q=1"}, "CONTENT_LENGTH '-1' is not a number of bytes", 0},
        {"length with a blank",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "3 "}},
         "b=2", 0, {"q=1"}, "is not a number of bytes", 0},
        {"length too large for any number",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "99999999999999999999999"}},
         "b=2", 0, {"q=1"}, "is not a number of bytes", 0},
        {"multipart form",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "multipart/form-data; boundary=x"},
          {"CONTENT_LENGTH", "3"}},
         "b=2", 0, {"q=1"}, "", 0},
        {"urlencoded type as a prefix only",
         {{"REQUEST_METHOD", "POST"},
          {"CONTENT_TYPE", "application/x-www-form-urlencodedx"},
          {"CONTENT_LENGTH", "3"}},
         "b=2", 0, {"q=1"}, "", 0},
        {"get with a body",
         {{"REQUEST_METHOD", "GET"},
          {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
          {"CONTENT_LENGTH", "3"}},
         "b=2", 0, {"q=1"}, "", 0},
        {"no method",
         {{"CONTENT_TYPE", "application/x-www-form-urlencoded"}, {"CONTENT_LENGTH", "3"}},
         "b=2", 0, {"q=1"}, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRequest request = Query("q=1");
        request.variables.insert(c.variables.begin(), c.variables.end());
        request.body = c.body;
        request.chunk = 2;  // the body arrives in pieces
        TWbCGI cgi(nullptr);
        cgi.SetRequest(request.Make());
        if (c.limit != 0) cgi.SetMaxBodySize(c.limit);
        EXPECT_EQ(ItemsOf(cgi.FormVars()), c.items);
        if (c.error.empty())
            EXPECT_EQ(cgi.BodyError(), "");
        else
            EXPECT_TRUE(cgi.BodyError().starts_with("Request body not used: ") &&
                        cgi.BodyError().find(c.error) != std::string::npos)
                << cgi.BodyError();
        EXPECT_EQ(request.bodyOffset, c.consumed);
    }
}

TEST(WbCGI, DefaultLimitIsOneMebibyte) {
    EXPECT_EQ(TWbCGI(nullptr).MaxBodySize(), 1048576u);
    for (const size_t size : {size_t{1048576}, size_t{1048577}}) {
        SCOPED_TRACE(size);
        const std::string body = "big=" + std::string(size - 4, 'x');
        FakeRequest request = FormPost("", body);
        TWbCGI cgi(nullptr);
        cgi.SetRequest(request.Make());
        const bool fits = size <= 1048576;
        EXPECT_EQ(cgi.FormVar("big", "").size(), fits ? size - 4 : 0);
        EXPECT_EQ(cgi.BodyError().empty(), fits);
        EXPECT_EQ(request.bodyOffset, fits ? size : 0);
    }
}

TEST(WbCGI, FailedOrInterruptedBodyRead) {
    FakeRequest interrupted = FormPost("", "b=2");
    interrupted.failWith = EINTR;
    TWbCGI resumed(nullptr);
    resumed.SetRequest(interrupted.Make());
    EXPECT_EQ(resumed.FormVar("b", "d"), "2");
    EXPECT_EQ(resumed.BodyError(), "");

    FakeRequest failing = FormPost("a=1", "b=2");
    failing.failWith = EIO;
    TWbCGI failed(nullptr);
    failed.SetRequest(failing.Make());
    EXPECT_EQ(failed.FormVar("b", "d"), "d");
    EXPECT_EQ(failed.FormVar("a", "d"), "1");
    EXPECT_EQ(failed.BodyError(), "Request body not used: reading it failed: Input/output error");
}

TEST(WbCGI, QueryItemsComeBeforeBodyItems) {
    FakeRequest request = FormPost("a=query&q=1", "a=body&b=2");
    TWbCGI cgi(nullptr);
    cgi.SetRequest(request.Make());
    EXPECT_EQ(cgi.FormVar("a", "d"), "query");
    EXPECT_EQ(cgi.FormVar("b", "d"), "2");
    EXPECT_EQ(cgi.FormVarValues("a"), (Items{"query", "body"}));
}

TEST(WbCGI, SendWritesHeaderOncePerComponentAndCrLfLines) {
    const struct {
        const char* name;
        Items texts;
        std::string expected;
    } cases[] = {
        {"one text", {"A"}, "Content-Type: text/html\r\n\r\nA\r\n"},
        {"two texts", {"A", "B"}, "Content-Type: text/html\r\n\r\nA\r\n\r\nB\r\n"},
        {"empty text", {""}, "Content-Type: text/html\r\n\r\n\r\n"},
        {"line ends in the text stay", {"a\nb"}, "Content-Type: text/html\r\n\r\na\nb\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Pipe output;
        TWbCGI cgi(nullptr);
        cgi.SetOutputHandle(output.write);
        for (const std::string& text : c.texts) cgi.Send(text);
        EXPECT_EQ(output.Drain(), c.expected);
        EXPECT_TRUE(cgi.HeaderWritten());
    }

    Pipe shared;
    TForm form;
    auto* first = new TWbCGI(&form);
    auto* second = new TWbCGI(&form);
    first->SetOutputHandle(shared.write);
    second->SetOutputHandle(shared.write);
    first->Send("1");
    second->Send("2");
    first->Send("3");
    EXPECT_EQ(shared.Drain(),
              "Content-Type: text/html\r\n\r\n1\r\nContent-Type: text/html\r\n\r\n2\r\n\r\n3\r\n");
}

TEST(WbCGI, SendToAnotherWriterGivesTheSameBytes) {
    std::string written;
    TWbCGI cgi(nullptr);
    cgi.SetOutput([&written](const char* data, size_t size) { written.append(data, size); });
    cgi.Send("A");
    cgi.Send("B");
    EXPECT_EQ(written, "Content-Type: text/html\r\n\r\nA\r\n\r\nB\r\n");
}

bool PipeSignalPending() {
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    return sigismember(&pending, SIGPIPE) == 1;
}

TEST(WbCGI, SendToClosedPipeRaisesAndKeepsTheProcessAlive) {
    // The header line fails: the header still counts as unwritten.
    Pipe closed;
    closed.CloseRead();
    TWbCGI cgi(nullptr);
    cgi.SetOutputHandle(closed.write);
    try {
        cgi.Send("A");
        ADD_FAILURE() << "no exception";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.Message(),
                  "Cannot write the response to file handle " + std::to_string(closed.write) +
                      ": Broken pipe");
    }
    EXPECT_FALSE(cgi.HeaderWritten());
    EXPECT_FALSE(PipeSignalPending());

    // The header went out, then the reader left: the second part fails, the header stays written.
    Pipe output;
    TWbCGI sent(nullptr);
    sent.SetOutputHandle(output.write);
    sent.Send("A");
    output.CloseRead();
    EXPECT_THROW(sent.Send("B"), EInOutError);
    EXPECT_TRUE(sent.HeaderWritten());
    EXPECT_FALSE(PipeSignalPending());
}

TEST(WbCGI, SendToFullNonBlockingPipeRaisesInsteadOfWaiting) {
    Pipe output;
    ASSERT_EQ(fcntl(output.write, F_SETFL, fcntl(output.write, F_GETFL) | O_NONBLOCK), 0);

    // Bigger than the pipe: the header line fits, the text does not.
    const std::string text(4 << 20, 'x');
    TWbCGI big(nullptr);
    big.SetOutputHandle(output.write);
    try {
        big.Send(text);
        ADD_FAILURE() << "no exception";
    } catch (const EInOutError& error) {
        EXPECT_NE(error.Message().find("the output is full"), std::string::npos) << error.Message();
    }
    EXPECT_TRUE(big.HeaderWritten());

    // Now the pipe is full: a fresh component's header line fails.
    TWbCGI next(nullptr);
    next.SetOutputHandle(output.write);
    EXPECT_THROW(next.Send("y"), EInOutError);
    EXPECT_FALSE(next.HeaderWritten());

    // What was written before the failure stays written.
    const std::string data = output.Drain();
    ASSERT_GT(data.size(), 27u);
    EXPECT_EQ(data.substr(0, 27), "Content-Type: text/html\r\n\r\n");
    EXPECT_EQ(data.find_first_not_of('x', 27), std::string::npos);
}

}  // namespace
}  // namespace wb
