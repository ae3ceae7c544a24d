#include "designer/DesignServer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <thread>

#include "designer/Palette.h"
#include "support/LoopbackHttp.h"

namespace wbforms_designer {
namespace {

using wb::test::LoopbackRequest;

// A designer served on a free loopback port for the length of a test.
class DesignServerTest : public ::testing::Test {
protected:
    DesignServerTest()
        : FPath((RegisterPackage(), ::testing::TempDir() + "wbforms_designserver_" +
                                        std::to_string(getpid()) + ".dfm")),
          FDesigner((std::remove(FPath.c_str()), FPath)),
          FApi(FDesigner, nullptr),
          FServer(FApi),
          FPort(FServer.Bind(0)),
          FHost("Host: 127.0.0.1:" + std::to_string(FPort)),
          FThread([this] { FServer.Run(); }) {}
    ~DesignServerTest() override {
        FServer.Stop();
        FThread.join();
        std::remove(FPath.c_str());
    }

    std::string FPath;
    TDesigner FDesigner;
    TDesignApi FApi;
    TDesignServer FServer;
    int FPort;
    std::string FHost;
    std::thread FThread;
};

// Only the designer's own page may read or change the form: another page in the browser can
// send requests to the port, but not with the designer's host and origin, nor JSON unasked.
TEST_F(DesignServerTest, AnswersItsOwnPageOnly) {
    const std::string port = std::to_string(FPort);
    const std::string create =
        R"({"class":"TWbPage","parent":"Form1","left":0,"top":0})";
    const struct {
        const char* name;
        std::string method;
        std::string path;
        std::vector<std::string> headers;
        std::string body;
        int status;
    } cases[] = {
        {"the page", "GET", "/", {FHost}, "", 200},
        {"by the name localhost", "GET", "/api/form", {"Host: localhost:" + port}, "", 200},
        {"a foreign host name", "GET", "/api/form", {"Host: designer.example:" + port}, "", 403},
        {"another port", "GET", "/api/form", {"Host: 127.0.0.1:1"}, "", 403},
        {"no host", "GET", "/api/form", {}, "", 403},
        {"a foreign origin", "POST", "/api/create",
         {FHost, "Origin: http://designer.example", "Content-Type: application/json"}, create, 403},
        {"a form post", "POST", "/api/create",
         {FHost, "Content-Type: application/x-www-form-urlencoded"}, create, 415},
        {"plain text", "POST", "/api/create", {FHost, "Content-Type: text/plain"}, create, 415},
        {"a body beyond 4 MiB", "POST", "/api/create",
         {FHost, "Content-Type: application/json"}, std::string(4 * 1024 * 1024 + 1, ' '), 413},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LoopbackRequest(FPort, c.method, c.path, c.headers, c.body).Status, c.status);
    }
    EXPECT_EQ(FDesigner.Form().ComponentCount(), 0) << "nothing was created";

    const auto created = LoopbackRequest(
        FPort, "POST", "/api/create",
        {FHost, "Origin: http://127.0.0.1:" + port, "Content-Type: application/json"}, create);
    EXPECT_EQ(created.Status, 200);
    EXPECT_NE(created.Head.find("Cache-Control: no-store"), std::string::npos);
    EXPECT_NE(created.Body.find(R"("component":"WbPage1")"), std::string::npos);
    EXPECT_EQ(FDesigner.Form().ComponentCount(), 1);
}

}  // namespace
}  // namespace wbforms_designer
