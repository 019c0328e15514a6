// Group merge speed: 10,000 small page-cached files merged by the command
// against a plain read-and-write loop over the same files (what `cat` does),
// and the byte listing on its own. The whole-process comparison with `cat`
// is merge_vs_cat.py beside this file.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <random>
#include <unistd.h>
#include <vector>

#include "pack/FileIO.h"
#include "pack/MergeListing.h"
#include "pack/MergerCommands.h"
#include "platform/ScriptedPlatform.h"

namespace {

namespace fs = std::filesystem;

// A folder of 10,000 files of 16 to 512 bytes, made once for the process.
struct SmallFiles {
    fs::path folder;
    std::vector<std::string> names;
    size_t bytes = 0;

    SmallFiles()
    {
        folder = fs::temp_directory_path() / ("merge-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        std::mt19937 rng(1234);
        std::vector<char> data(512);
        for (int i = 0; i < 10000; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "m%05d.bin", i);
            size_t size = 16 + rng() % 497;
            for (size_t k = 0; k < size; ++k) data[k] = static_cast<char>(rng());
            int fd = ::open((folder / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::write(fd, data.data(), size) != static_cast<ssize_t>(size)) std::abort();
            ::close(fd);
            names.push_back(name);
            bytes += size;
        }
    }
    ~SmallFiles()
    {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

SmallFiles& smallFiles()
{
    static SmallFiles files;
    return files;
}

void BM_MergeGroup(benchmark::State& state)
{
    SmallFiles& files = smallFiles();
    for (auto _ : state) {
        platform::ScriptedPlatform platform;
        packwell::pack::LineReport report;
        packwell::pack::NoProgress progress;
        packwell::pack::MergerSession session(platform, report, progress);
        platform.queueChoice((files.folder / files.names[0]).string());
        packwell::pack::mergeGroup(session);
        benchmark::DoNotOptimize(report.lineCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * files.bytes));
}
BENCHMARK(BM_MergeGroup)->Unit(benchmark::kMillisecond)->UseRealTime();

// The baseline: each file opened, read and written to the output as it comes.
void BM_CatLoop(benchmark::State& state)
{
    SmallFiles& files = smallFiles();
    std::vector<char> buffer(128 * 1024);
    for (auto _ : state) {
        int out = ::open((files.folder / "cat.out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (const std::string& name : files.names) {
            int in = ::open((files.folder / name).c_str(), O_RDONLY);
            ssize_t n;
            while ((n = ::read(in, buffer.data(), buffer.size())) > 0)
                if (::write(out, buffer.data(), static_cast<size_t>(n)) != n) std::abort();
            ::close(in);
        }
        ::close(out);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * files.bytes));
}
BENCHMARK(BM_CatLoop)->Unit(benchmark::kMillisecond)->UseRealTime();

// The listing of a 4 MiB "Merged.dat" written to /dev/null.
void BM_DataListing(benchmark::State& state)
{
    std::vector<unsigned char> bytes(4 << 20);
    std::mt19937 rng(7);
    for (unsigned char& b : bytes) b = static_cast<unsigned char>(rng());
    for (auto _ : state) {
        packwell::pack::OutputFile out;
        out.create("/dev/null");
        packwell::pack::DataListingWriter writer(out);
        writer.begin(bytes.size());
        writer.add(bytes.data(), bytes.size());
        writer.end();
        out.close();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DataListing)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
