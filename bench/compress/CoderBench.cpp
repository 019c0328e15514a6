// Speed of the coders and decoders on 64 MiB page-cached files, written to
// /dev/null so that only the coding is measured. Reported as bytes of the
// uncompressed data per second.

#include <cstdio>
#include <stdexcept>

#include <benchmark/benchmark.h>

#include "BenchData.h"
#include "compress/HuffmanCoder.h"
#include "compress/HuffmanDecoder.h"
#include "compress/RleCoder.h"
#include "compress/RleDecoder.h"

namespace {

using bench_data::Kind;
constexpr std::size_t kSize = 64u << 20;

template <typename Run>
void runOnFile(benchmark::State& state, const std::string& path, Run run)
{
    std::FILE* in = std::fopen(path.c_str(), "rb");
    std::FILE* out = std::fopen("/dev/null", "wb");
    if (!in || !out) throw std::runtime_error("cannot open " + path);
    for (auto _ : state) {
        std::fseek(in, 0, SEEK_SET);
        run(in, out);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(kSize));
    std::fclose(in);
    std::fclose(out);
}

void HuffmanEncode(benchmark::State& state, Kind kind)
{
    runOnFile(state, bench_data::inputFile(kind, kSize), [](std::FILE* in, std::FILE* out) {
        benchmark::DoNotOptimize(packwell::compress::huffmanEncode(in, out));
    });
}

void HuffmanDecode(benchmark::State& state, Kind kind)
{
    runOnFile(state, bench_data::packedFile(kind, kSize, "huf"), [](std::FILE* in, std::FILE* out) {
        benchmark::DoNotOptimize(packwell::compress::huffmanDecode(in, out));
    });
}

void RleEncode(benchmark::State& state, Kind kind)
{
    runOnFile(state, bench_data::inputFile(kind, kSize), [](std::FILE* in, std::FILE* out) {
        benchmark::DoNotOptimize(packwell::compress::rleEncode(in, out));
    });
}

void RleDecode(benchmark::State& state, Kind kind)
{
    runOnFile(state, bench_data::packedFile(kind, kSize, "rle"), [](std::FILE* in, std::FILE* out) {
        benchmark::DoNotOptimize(packwell::compress::rleDecode(in, out));
    });
}

}  // namespace

BENCHMARK_CAPTURE(HuffmanEncode, text, Kind::Text)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HuffmanEncode, random, Kind::Random)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HuffmanDecode, text, Kind::Text)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HuffmanDecode, random, Kind::Random)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RleEncode, run_heavy, Kind::RunHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RleEncode, random, Kind::Random)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RleDecode, run_heavy, Kind::RunHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RleDecode, random, Kind::Random)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
