// One change in the designer, as the user makes it with the mouse: the change on a copy of the
// form, the copy's text read back, and (through the API) the whole form as JSON for the browser.
// Forms of 20 components (a typical page) and of 1,000.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "designer/DesignApi.h"
#include "designer/Designer.h"
#include "host/FormWriter.h"

namespace {

// A page with Count - 1 panels in a grid, ten to a row, saved as a form file.
std::string FormFile(int count) {
    wb::TForm form;
    form.SetName("Form1");
    form.SetBounds(0, 0, 1200, 110 * ((count + 8) / 10) + 40);
    auto* page = new wb::TWbPage(&form);
    page->SetName("WbPage1");
    page->SetParent(&form);
    page->SetBounds(0, 0, 1100, 110 * ((count + 8) / 10));
    for (int i = 0; i < count - 1; ++i) {
        auto* panel = new wb::TWbPanel(&form);
        panel->SetName("WbPanel" + std::to_string(i + 1));
        panel->SetParent(page);
        panel->SetBounds(10 + 110 * (i % 10), 10 + 110 * (i / 10), 100, 100);
        panel->SetBackGroundColor(i % 2 == 0 ? wb::clYellow : wb::clNone);
    }
    const std::string path = "/tmp/wbforms_designer_bench_" + std::to_string(getpid()) + "_" +
                             std::to_string(count) + ".dfm";
    std::ofstream(path, std::ios::binary) << wb::WriteForm(form);
    return path;
}

void BM_MoveInDesigner(benchmark::State& state) {
    const std::string path = FormFile(static_cast<int>(state.range(0)));
    wbforms_designer::TDesigner designer(path);
    int32_t left = 10;
    for (auto _ : state) {
        left = left == 10 ? 11 : 10;
        benchmark::DoNotOptimize(designer.SetBounds("WbPanel1", left, 10, 100, 100));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_MoveInDesigner)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

// What the browser waits for: the request, the change and the form as JSON.
void BM_MoveThroughApi(benchmark::State& state) {
    const std::string path = FormFile(static_cast<int>(state.range(0)));
    wbforms_designer::TDesigner designer(path);
    wbforms_designer::TDesignApi api(designer, nullptr);
    int32_t left = 10;
    size_t bytes = 0;
    for (auto _ : state) {
        left = left == 10 ? 11 : 10;
        const auto response = api.Handle(
            "POST", "/api/bounds",
            R"({"name":"WbPanel1","left":)" + std::to_string(left) +
                R"(,"top":10,"width":100,"height":100})");
        bytes = response.Body.size();
        benchmark::DoNotOptimize(response.Body.data());
    }
    state.counters["json_bytes"] = static_cast<double>(bytes);
    std::remove(path.c_str());
}
BENCHMARK(BM_MoveThroughApi)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
