// Reading a request's form variables: TWbCGI's FormVar against cgicc on the same query string of
// 100 fields, each looked up once, with a fresh reader per iteration so the parsing counts. The
// run ends with the ratio of the two times.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cgi/WbCGI.h"

#ifdef WBFORMS_HAVE_CGICC
#include <cgicc/CgiInput.h>
#include <cgicc/Cgicc.h>
#endif

namespace {

constexpr int kFields = 100;

struct Form {
    std::string query;
    std::vector<std::string> names;

    Form() {
        for (int i = 0; i < kFields; ++i) {
            names.push_back("field" + std::to_string(i));
            if (i > 0) query += '&';
            query += names.back() + "=value+number%20" + std::to_string(i) + "%21";
        }
    }
};

const Form& TheForm() {
    static const Form form;
    return form;
}

void WbCGIFormVar(benchmark::State& state) {
    const Form& form = TheForm();
    wb::TWbCGIRequest request;
    request.Variable = [&form](const std::string& name) -> std::optional<std::string> {
        if (name == "QUERY_STRING") return form.query;
        return std::nullopt;
    };
    for (auto _ : state) {
        wb::TWbCGI cgi(nullptr);
        cgi.SetRequest(request);
        for (const std::string& name : form.names) benchmark::DoNotOptimize(cgi.FormVar(name, ""));
    }
    state.SetItemsProcessed(state.iterations() * kFields);
}
BENCHMARK(WbCGIFormVar);

#ifdef WBFORMS_HAVE_CGICC
// Hands cgicc the query string as a GET request's environment, with no body.
class QueryInput : public cgicc::CgiInput {
public:
    explicit QueryInput(const std::string& query) : query(query) {}
    size_t read(char*, size_t) override { return 0; }
    std::string getenv(const char* name) override {
        const std::string variable = name;
        if (variable == "QUERY_STRING") return query;
        if (variable == "REQUEST_METHOD") return "GET";
        return "";
    }

private:
    const std::string& query;
};

void CgiccGetElement(benchmark::State& state) {
    const Form& form = TheForm();
    QueryInput input(form.query);
    for (auto _ : state) {
        cgicc::Cgicc cgi(&input);
        for (const std::string& name : form.names)
            benchmark::DoNotOptimize(cgi.getElement(name)->getValue());
    }
    state.SetItemsProcessed(state.iterations() * kFields);
}
BENCHMARK(CgiccGetElement);
#endif

// Prints the usual table, then cgicc's processor time per iteration over TWbCGI's (processor
// time, since other work on a shared machine stretches the wall-clock times).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override {
        for (const Run& run : reports) times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(reports);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto ours = times.find("WbCGIFormVar");
        const auto theirs = times.find("CgiccGetElement");
        if (ours != times.end() && theirs != times.end() && ours->second > 0)
            std::printf("cgicc / TWbCGI processor time ratio: %.2f (above 1: TWbCGI is faster)\n",
                        theirs->second / ours->second);
    }

private:
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
