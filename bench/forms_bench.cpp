// Rendering cost of the form controls whose markup grows with their data: a list box with many
// options and an input form with many hidden fields. Reports the cost per line.
#include <benchmark/benchmark.h>

#include <string>

#include "forms/WbInputForm.h"
#include "forms/WbListBox.h"
#include "host/Forms.h"

namespace {

using namespace wb;

void FillLines(TStrings& lines, int64_t n, const std::string& prefix) {
    for (int64_t i = 0; i < n; ++i)
        lines.Add(prefix + std::to_string(i) + "=Option number " + std::to_string(i));
}

void BM_ListBoxOptions(benchmark::State& state) {
    TForm form;
    auto* list = new TWbListBox(&form);
    list->SetFieldName("choice");
    FillLines(list->GetOptions(), state.range(0), "v");
    list->SetSelected(static_cast<int32_t>(state.range(0) / 2));
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string html = list->put();
        bytes = html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["output_kB"] = static_cast<double>(bytes) / 1e3;
}

void BM_FormHiddenFields(benchmark::State& state) {
    TForm form;
    auto* input = new TWbInputForm(&form);
    input->SetBounds(1, 1, 300, 100);
    FillLines(input->GetHiddenField(), state.range(0), "field");
    for (auto _ : state) benchmark::DoNotOptimize(input->put());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ListBoxOptions)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormHiddenFields)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
