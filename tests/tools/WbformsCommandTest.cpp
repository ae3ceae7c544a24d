// Runs the built wbforms command and checks its output, messages and exit status.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/WbPage.h"
#include "host/FormFile.h"
#include "package/WbPackage.h"
#include "support/LoopbackHttp.h"

namespace wb {
namespace {

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// CTest runs tests in parallel processes: every file name carries the process id.
std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "wbforms_cmd_" + std::to_string(getpid()) + "_" + name;
}

TRun Wbforms(const std::vector<std::string>& args) {
    std::string command = Quote(WBFORMS_COMMAND);
    for (const auto& arg : args) command += " " + Quote(arg);
    const std::string out = TempPath("out"), err = TempPath("err");
    command += " >" + Quote(out) + " 2>" + Quote(err) + " </dev/null";
    const int raw = std::system(command.c_str());
    TRun run;
    run.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.Out = Slurp(out);
    run.Err = Slurp(err);
    return run;
}

std::string WriteTemp(const std::string& name, const std::string& text) {
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

const std::string kExample = WBFORMS_EXAMPLES "/order.dfm";

TFormReadOptions IgnoringEvents() {
    TFormReadOptions options;
    options.IgnoreEvents = true;
    return options;
}

TEST(WbformsRender, WritesExactlyWhatPutReturns) {
    const TFormFile file = TFormFile::Load(kExample, IgnoringEvents());
    const TRun page = Wbforms({"render", kExample});
    EXPECT_EQ(page.Status, 0) << page.Err;
    {
        const TWbPackageRun package;  // as the command does: its first image map is MAP0
        EXPECT_EQ(page.Out, file.Find<TWbPage>("OrderPage").put());
    }
    EXPECT_EQ(page.Err, "");
    const TRun panel = Wbforms({"render", kExample, "--component", "summary"});
    EXPECT_EQ(panel.Status, 0) << panel.Err;
    EXPECT_EQ(panel.Out, file.Find<TWbVisibleComponent>("Summary").put());
}

// Every byte of put reaches standard output unchanged, the NUL byte and bytes above 127
// included; the default component is the first page in file order, even when it is nested.
TEST(WbformsRender, IsBinarySafeAndRendersTheFirstPage) {
    const std::string form = WriteTemp("binary.dfm",
                                       "object F: TForm\n"
                                       "  object Outer: TWbPanel\n"
                                       "    object Pg: TWbPage\n"
                                       "      PageTitle = 'a'#0'b'#255#13#10\n"
                                       "    end\n"
                                       "  end\n"
                                       "  object Second: TWbPage\n"
                                       "  end\n"
                                       "end\n");
    const TRun run = Wbforms({"render", form});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find(std::string("<TITLE>a\0b\xFF\r\n</TITLE>", 21)), std::string::npos);
    EXPECT_EQ(run.Out, TFormFile::Load(form).Find<TWbPage>("Pg").put());
}

TEST(WbformsFormat, WritesTheCanonicalFormStably) {
    const TRun first = Wbforms({"format", kExample});
    EXPECT_EQ(first.Status, 0) << first.Err;
    EXPECT_EQ(first.Out, TFormFile::Load(kExample, IgnoringEvents()).Write());
    EXPECT_NE(first.Out.find("OnBeforePut = OrderPageBeforePut\n"), std::string::npos);
    const TRun second = Wbforms({"format", WriteTemp("formatted.dfm", first.Out)});
    EXPECT_EQ(second.Out, first.Out);
}

TEST(Wbforms, ExitStatusAndMessages) {
    const std::string bad = WriteTemp("bad.dfm", "object F: TForm\n  Width 100\nend\n");
    const std::string noPage =
        WriteTemp("nopage.dfm", "object F: TForm\n  object P: TWbPanel\n  end\nend\n");
    const std::string missing = TempPath("missing.dfm");
    // The table writer refuses a child whose bottom edge wraps past the 32-bit range.
    const std::string unrenderable = WriteTemp("wrapped.dfm",
                                               "object F: TForm\n"
                                               "  object Pg: TWbPage\n"
                                               "    object S: TWbPanel\n"
                                               "      Height = 2147483647\n"
                                               "    end\n"
                                               "    object Inner: TWbPage\n"
                                               "    end\n"
                                               "  end\n"
                                               "end\n");
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string errStart;  // what standard error starts with
    } cases[] = {
        {"syntax error", {"render", bad}, 1, "wbforms: " + bad + ":2:9: expected '='\n"},
        {"format of a bad file", {"format", bad}, 1, "wbforms: " + bad + ":2:9: expected '='\n"},
        {"missing file",
         {"render", missing},
         1,
         "wbforms: " + missing + ": cannot open: No such file or directory\n"},
        {"no such component",
         {"render", kExample, "--component", "Nope"},
         1,
         "wbforms: " + kExample + ": no component named 'Nope'\n"},
        {"component that renders nothing",
         {"render", kExample, "--component", "OrderForm"},
         1,
         "wbforms: " + kExample + ": OrderForm is a TForm, not a TWbVisibleComponent\n"},
        {"no page", {"render", noPage}, 1, "wbforms: " + noPage + ": the form has no TWbPage\n"},
        {"page that cannot be rendered", {"render", unrenderable}, 1,
         "wbforms: " + unrenderable + ": Pg: List index out of bounds (2)\n"},
        {"no form file", {"render"}, 2, "wbforms: no form file given\nusage: wbforms render"},
        {"no name after --component",
         {"render", kExample, "--component"},
         2,
         "wbforms: --component needs a component name\nusage: wbforms render"},
        {"unknown option",
         {"render", kExample, "--fast"},
         2,
         "wbforms: unknown option '--fast'\nusage: wbforms render"},
        {"two form files",
         {"format", kExample, kExample},
         2,
         "wbforms: more than one form file\nusage: wbforms format"},
        {"format without a file",
         {"format"},
         2,
         "wbforms: no form file given\nusage: wbforms format"},
        // The designer never opens (nor later writes over) a file it cannot load.
        {"design of a bad file", {"design", bad, "--port", "0"}, 1,
         "wbforms: " + bad + ":2:9: expected '='\n"},
        {"design without a file", {"design"}, 2, "wbforms: no form file given\nusage: wbforms design"},
        {"design on a port that is none",
         {"design", missing, "--port", "65536"},
         2,
         "wbforms: --port needs a port number from 0 to 65535, not '65536'\nusage: wbforms design"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TRun run = Wbforms(c.args);
        EXPECT_EQ(run.Status, c.status);
        EXPECT_EQ(run.Err.substr(0, c.errStart.size()), c.errStart);
        EXPECT_EQ(run.Out, "");
    }
}

TEST(Wbforms, HelpGoesToStandardOutput) {
    for (const char* command : {"render", "format", "design"}) {
        SCOPED_TRACE(command);
        const TRun run = Wbforms({command, "--help"});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out.rfind(std::string("usage: wbforms ") + command + " FORM", 0), 0u)
            << run.Out;
        EXPECT_EQ(run.Err, "");
    }
    const TRun overview = Wbforms({"--help"});
    EXPECT_NE(overview.Out.find("  render\t"), std::string::npos);
    EXPECT_NE(overview.Out.find("  format\t"), std::string::npos);
    EXPECT_NE(overview.Out.find("  design\t"), std::string::npos);
}

// Interrupted with changes that were not saved, the designer ends cleanly and keeps them.
TEST(WbformsDesign, KeepsUnsavedChangesWhenInterrupted) {
    const std::string form = TempPath("interrupted.dfm");
    const std::string rescue = form + ".unsaved";
    const std::string err = TempPath("interrupted.err");
    std::remove(form.c_str());
    std::remove(rescue.c_str());
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        const int errFile = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(errFile, STDERR_FILENO);
        close(out[0]);
        execl(WBFORMS_COMMAND, WBFORMS_COMMAND, "design", form.c_str(), "--port", "0",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string line;
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
    close(out[0]);
    const size_t colon = line.rfind(':');
    ASSERT_NE(colon, std::string::npos) << line;
    const int port = std::stoi(line.substr(colon + 1));
    EXPECT_EQ(line, "wbforms: designing " + form + " at http://127.0.0.1:" +
                        std::to_string(port) + "/ (Ctrl+C ends)");

    const auto created = test::LoopbackRequest(
        port, "POST", "/api/create",
        {"Host: 127.0.0.1:" + std::to_string(port), "Content-Type: application/json"},
        R"({"class":"TWbPage","parent":"Form1","left":8,"top":8})");
    EXPECT_EQ(created.Status, 200);
    kill(child, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Slurp(err), "wbforms: " + form + ": the changes that were not saved are in " +
                              rescue + "\n");
    EXPECT_NE(Slurp(rescue).find("  object WbPage1: TWbPage\n"), std::string::npos);
    EXPECT_FALSE(std::ifstream(form).good()) << "the form itself was never saved";
    std::remove(rescue.c_str());
    std::remove(err.c_str());
}

TEST(WbformsDesign, SaysWhenItsPortIsTaken) {
    const int taken = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(taken, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(taken, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(taken, 1), 0);
    socklen_t length = sizeof address;
    ASSERT_EQ(getsockname(taken, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const std::string port = std::to_string(ntohs(address.sin_port));

    const TRun run = Wbforms({"design", TempPath("taken.dfm"), "--port", port});
    close(taken);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "wbforms: cannot listen on 127.0.0.1:" + port +
                           " (is it in use? --port 0 picks a free port)\n");
}

}  // namespace
}  // namespace wb
