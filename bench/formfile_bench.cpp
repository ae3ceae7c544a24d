// Loading form files: a form of 20 components (a typical page) and of 1,000, and loading plus
// rendering the page of 20, as a CGI program does on every request.
#include <benchmark/benchmark.h>

#include <string>

#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "host/FormReader.h"
#include "host/FormWriter.h"

namespace {

// The canonical text of a page with Count - 1 panels in a grid, ten to a row, each with a
// colour and a line of free text: every published property is in the file.
std::string FormText(int count) {
    wb::TForm form;
    form.SetName("Form1");
    auto* page = new wb::TWbPage(&form);
    page->SetName("WbPage1");
    page->SetParent(&form);
    page->SetPageTitle("Order");
    page->SetBounds(0, 0, 1100, 110 * ((count + 8) / 10));
    for (int i = 0; i < count - 1; ++i) {
        auto* panel = new wb::TWbPanel(&form);
        panel->SetName("WbPanel" + std::to_string(i + 1));
        panel->SetParent(page);
        panel->SetBounds(10 + 110 * (i % 10), 10 + 110 * (i / 10), 100, 100);
        panel->SetBackGroundColor(i % 2 == 0 ? wb::clYellow : wb::clNone);
        panel->GetHTMLBefore().Add("<!-- panel " + std::to_string(i + 1) + " -->");
    }
    return wb::WriteForm(form);
}

wb::TFormReadOptions IgnoringEvents() {
    wb::TFormReadOptions options;
    options.IgnoreEvents = true;
    return options;
}

void BM_LoadForm(benchmark::State& state) {
    const std::string text = FormText(static_cast<int>(state.range(0)));
    const wb::TFormReadOptions options = IgnoringEvents();
    for (auto _ : state) {
        auto form = wb::ReadForm(text, "bench.dfm", options);
        benchmark::DoNotOptimize(form.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_LoadForm)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_LoadAndRender(benchmark::State& state) {
    const std::string text = FormText(static_cast<int>(state.range(0)));
    const wb::TFormReadOptions options = IgnoringEvents();
    for (auto _ : state) {
        auto form = wb::ReadForm(text, "bench.dfm", options);
        std::string html = static_cast<wb::TWbPage*>(form->FindComponent("WbPage1"))->put();
        benchmark::DoNotOptimize(html.data());
    }
}
BENCHMARK(BM_LoadAndRender)->Arg(20)->Unit(benchmark::kMicrosecond);

void BM_WriteForm(benchmark::State& state) {
    const auto form =
        wb::ReadForm(FormText(static_cast<int>(state.range(0))), "bench.dfm", IgnoringEvents());
    for (auto _ : state) {
        std::string text = wb::WriteForm(*form);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_WriteForm)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
