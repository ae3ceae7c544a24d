// Encoding speed of WbGifToStream against giflib's encoder on the same 8-bit pictures, and the
// quality of the colour reduction on a photograph-like picture. After the benchmarks it prints
// the throughput ratios and the compressed sizes.
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "gif/WbGifMaker.h"
#include "host/ColorQuantizer.h"
#include "support/Pictures.h"

namespace {

using namespace wb;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// Bars, grid lines and labels on a flat background: long runs of few colours.
TBitmap ChartPicture() {
    std::vector<TColor> palette = {clWhite, clBlack, clSilver, clRed, clBlue, clGreen, clOlive, clNavy, clGray};
    return test::IndexedBitmap(kWidth, kHeight, [](int x, int y) {
        if (x < 60 || y > kHeight - 50) return ((x * 7 + y * 3) % 97 < 6) ? 1 : 0;  // axis labels
        if (x == 60 || y == kHeight - 50) return 1;                               // axes
        const int bar = (x - 80) / 70;
        const int barHeight = 120 + (bar * 131) % 500;
        if ((x - 80) % 70 < 50 && x >= 80 && y > kHeight - 50 - barHeight) return 3 + bar % 6;
        return y % 50 == 0 ? 2 : 0;                                                 // grid
    }, palette);
}

TBitmap NoisePicture() { return test::NoiseBitmap(kWidth, kHeight, 1); }

const TBitmap& Picture(int Which) {
    static const TBitmap noise = NoisePicture();
    static const TBitmap chart = ChartPicture();
    return Which == 0 ? noise : chart;
}

std::vector<uint8_t> EncodeWithGiflib(const TBitmap& Bitmap, std::vector<uint8_t>& Out) {
    Out.clear();
    auto write = [](GifFileType* gif, const GifByteType* bytes, int count) -> int {
        auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
        out->insert(out->end(), bytes, bytes + count);
        return count;
    };
    int error = 0;
    GifFileType* gif = EGifOpen(&Out, write, &error);
    GifColorType colors[256] = {};
    for (size_t i = 0; i < Bitmap.Palette().size(); ++i) {
        const TColor c = Bitmap.Palette()[i];
        colors[i] = GifColorType{GetRValue(c), GetGValue(c), GetBValue(c)};
    }
    ColorMapObject* map = GifMakeMapObject(256, colors);
    EGifPutScreenDesc(gif, Bitmap.Width(), Bitmap.Height(), 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, Bitmap.Width(), Bitmap.Height(), false, nullptr);
    for (int32_t y = 0; y < Bitmap.Height(); ++y)
        EGifPutLine(gif, const_cast<GifPixelType*>(Bitmap.ScanLine(y)), Bitmap.Width());
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return Out;
}

const char* const kNames[] = {"noise", "chart"};

void BM_WbGifToStream(benchmark::State& state) {
    const TBitmap& bitmap = Picture(static_cast<int>(state.range(0)));
    TMemoryStream stream;
    // The output must decode to the picture, or the figures mean nothing.
    WbGifToStream(bitmap, stream);
    const auto decoded = test::DecodeGif({stream.Memory(), stream.Memory() + stream.Size()});
    if (decoded.Error != 0 || test::ColorsOf(decoded) != test::ColorsOf(bitmap)) state.SkipWithError("round trip failed");
    for (auto _ : state) {
        stream.SetSize(0);
        WbGifToStream(bitmap, stream);
        benchmark::DoNotOptimize(stream.Memory());
    }
    state.SetLabel(kNames[state.range(0)]);
    state.SetItemsProcessed(state.iterations() * bitmap.Width() * bitmap.Height());
    state.counters["gif_bytes"] = static_cast<double>(stream.Size());
}
BENCHMARK(BM_WbGifToStream)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Giflib(benchmark::State& state) {
    const TBitmap& bitmap = Picture(static_cast<int>(state.range(0)));
    std::vector<uint8_t> out;
    for (auto _ : state) {
        EncodeWithGiflib(bitmap, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel(kNames[state.range(0)]);
    state.SetItemsProcessed(state.iterations() * bitmap.Width() * bitmap.Height());
    state.counters["gif_bytes"] = static_cast<double>(out.size());
}
BENCHMARK(BM_Giflib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The reduction of a photograph-like picture to 256 colours, with its mean error: the average
// distance in red, green and blue (0 to 255 each) between a pixel and its palette colour.
void BM_ReduceColors(benchmark::State& state) {
    const TBitmap photo = test::PhotoLikeBitmap(kWidth, kHeight);
    std::vector<uint8_t> indices(static_cast<size_t>(kWidth) * kHeight);
    std::vector<TColor> palette;
    for (auto _ : state) {
        palette = ReduceColors({photo.ScanLine(0), kWidth, kHeight, 3}, indices.data());
        benchmark::DoNotOptimize(indices.data());
    }
    double error = 0;
    for (int32_t y = 0; y < kHeight; ++y)
        for (int32_t x = 0; x < kWidth; ++x) {
            const TColor a = photo.GetPixel(x, y);
            const TColor b = palette[indices[static_cast<size_t>(y) * kWidth + static_cast<size_t>(x)]];
            const double dr = GetRValue(a) - GetRValue(b), dg = GetGValue(a) - GetGValue(b), db = GetBValue(a) - GetBValue(b);
            error += std::sqrt(dr * dr + dg * dg + db * db);
        }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    state.counters["mean_error"] = error / (static_cast<double>(kWidth) * kHeight);
    state.counters["colours"] = static_cast<double>(palette.size());
}
BENCHMARK(BM_ReduceColors)->Unit(benchmark::kMillisecond);

// Remembers throughput and size of every benchmark (the median of its repetitions when there
// are several) to print the comparison at the end.
class ComparingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median) continue;
            const auto items = run.counters.find("items_per_second");
            const auto bytes = run.counters.find("gif_bytes");
            if (items == run.counters.end() || bytes == run.counters.end()) continue;
            const std::string name = run.run_name.function_name + "/" + run.run_name.args;
            if (median || results_.count(name) == 0) results_[name] = {items->second.value, bytes->second.value};
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (int i = 0; i < 2; ++i) {
            const auto ours = results_.find("BM_WbGifToStream/" + std::to_string(i));
            const auto theirs = results_.find("BM_Giflib/" + std::to_string(i));
            if (ours == results_.end() || theirs == results_.end()) continue;
            const Result& a = ours->second;
            const Result& b = theirs->second;
            std::printf("%s %dx%d: WbGifToStream %.1f Mpixel/s, %.0f bytes; giflib %.1f Mpixel/s, %.0f bytes; "
                        "throughput ratio %.2fx\n",
                        kNames[i], kWidth, kHeight, a.rate / 1e6, a.bytes, b.rate / 1e6, b.bytes, a.rate / b.rate);
        }
    }

private:
    struct Result {
        double rate;
        double bytes;
    };
    std::map<std::string, Result> results_;
};

}  // namespace

// Without flags of its own, each benchmark runs five times, interleaved with the others, and the
// medians are compared: the machine is shared, and single runs vary.
int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=5";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (argc == 1) args.insert(args.end(), {repetitions, interleaving, aggregates});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
