// Rendering cost of a page as its number of children grows, in two layouts: a regular grid,
// and random non-overlapping rectangles. Reports the cost per output byte and per table cell,
// and the peak of live heap memory during one rendering.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <new>
#include <random>
#include <set>

#include "core/WbPage.h"
#include "host/Forms.h"

namespace {

std::atomic<size_t> gLive{0};
std::atomic<size_t> gPeak{0};

}  // namespace

// Counts live heap bytes so the benchmark can report the peak of one rendering.
void* operator new(size_t size) {
    void* block = std::malloc(size + sizeof(size_t));
    if (block == nullptr) throw std::bad_alloc();
    *static_cast<size_t*>(block) = size;
    const size_t live = gLive += size;
    for (size_t peak = gPeak; live > peak && !gPeak.compare_exchange_weak(peak, live);) {
    }
    return static_cast<size_t*>(block) + 1;
}

// The replaced operator new hands out blocks of malloc, which this gives back to free.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    if (p == nullptr) return;
    size_t* block = static_cast<size_t*>(p) - 1;
    gLive -= *block;
    std::free(block);
}

void operator delete(void* p, size_t) noexcept { operator delete(p); }

namespace {

using namespace wb;

// A leaf whose markup is a short fixed text, so the table writer's own cost dominates.
class Leaf : public TWbVisibleComponent {
public:
    using TWbVisibleComponent::TWbVisibleComponent;
    std::string put() override {
        ActivateBeforePutEvent();
        ActivateAfterPutEvent();
        return "<B>leaf</B>";
    }
};

struct Page {
    TForm form;
    TWbPage* page = new TWbPage(&form);

    void Add(int32_t left, int32_t top, int32_t width, int32_t height) {
        auto* leaf = new Leaf(&form);
        leaf->SetParent(page);
        leaf->SetBounds(left, top, width, height);
    }
};

// Children of 40 x 20 on a 50 x 30 lattice.
void GridLayout(Page& p, int n) {
    const int perRow = static_cast<int>(std::ceil(std::sqrt(n)));
    for (int i = 0; i < n; ++i) p.Add(10 + (i % perRow) * 50, 10 + (i / perRow) * 30, 40, 20);
    p.page->SetBounds(0, 0, 20 + perRow * 50, 20 + (n / perRow + 1) * 30);
}

// One child per cell of an 80 x 50 slot grid, at a random place and size within its slot, on
// the 5-pixel snap a designer uses; no two children overlap.
void RandomLayout(Page& p, int n) {
    std::mt19937 random(42);
    const int perRow = static_cast<int>(std::ceil(std::sqrt(n)));
    auto snap = [&](int limit) { return 5 * static_cast<int>(random() % (limit / 5)); };
    for (int i = 0; i < n; ++i) {
        const int width = 20 + snap(40);
        const int height = 10 + snap(25);
        const int left = 10 + (i % perRow) * 80 + snap(80 - width);
        const int top = 10 + (i / perRow) * 50 + snap(50 - height);
        p.Add(left, top, width, height);
    }
    p.page->SetBounds(0, 0, 20 + perRow * 80, 20 + (n / perRow + 1) * 50);
}

// The number of cells of the page's table: distinct x positions less one, times the rows.
double TableCells(const TWbPage& page) {
    std::set<int32_t> xs{0, page.Width()}, ys{0, page.Height()};
    for (TControl* c : page.ControlList()) {
        xs.insert({c->Left(), c->Left() + c->Width()});
        ys.insert({c->Top(), c->Top() + c->Height()});
    }
    return static_cast<double>(xs.size() - 1) * static_cast<double>(ys.size() - 1);
}

template <void (*Layout)(Page&, int)>
void BM_RenderPage(benchmark::State& state) {
    Page p;
    Layout(p, static_cast<int>(state.range(0)));
    const size_t before = gLive;
    gPeak = before;
    const size_t bytes = p.page->put().size();
    const double peak = static_cast<double>(gPeak - before);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) benchmark::DoNotOptimize(p.page->put());
    const double ns = std::chrono::duration<double, std::nano>(
                          std::chrono::steady_clock::now() - start).count() /
                      static_cast<double>(state.iterations());
    const double cells = TableCells(*p.page);
    state.counters["ns_per_byte"] = ns / static_cast<double>(bytes);
    state.counters["ns_per_cell"] = ns / cells;
    state.counters["cells"] = cells;
    state.counters["output_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
}

BENCHMARK_TEMPLATE(BM_RenderPage, GridLayout)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_RenderPage, RandomLayout)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
