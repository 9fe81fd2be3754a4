// Lookups in a 2,000-entry catalog: our runtime against the C library's
// dgettext on the same .mo file, both warmed up (catalog mapped). Prints the
// time ratio ours/C library for texts that are found and for texts that are
// not. Needs msgfmt.
#include <benchmark/benchmark.h>
#include <libintl.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "i18n/gettext_instance.h"

namespace {

constexpr int kEntries = 2000;
constexpr const char* kDomain = "bench";

struct Fixture {
    std::filesystem::path dir;
    std::vector<std::string> hits;
    std::vector<std::string> misses;
    std::vector<std::string> translations;
    dsp::TGettextInstance ours;
};

Fixture& TheFixture() {
    static Fixture fixture;
    return fixture;
}

std::string Key(int i) {
    return "Message " + std::to_string(i * 7919 % 100003) + ": the operation could not finish";
}

bool MakeCatalog(Fixture& f) {
    char pattern[] = "/tmp/i18n-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return false;
    f.dir = pattern;
    const auto messages = f.dir / "de_DE" / "LC_MESSAGES";
    std::filesystem::create_directories(messages);
    {
        std::ofstream po(messages / "bench.po");
        po << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
        for (int i = 0; i < kEntries; ++i) {
            f.hits.push_back(Key(i));
            f.misses.push_back(Key(i) + "?");
            f.translations.push_back("Meldung " + std::to_string(i) + ": der Vorgang ist fehlgeschlagen");
            po << "msgid \"" << f.hits.back() << "\"\nmsgstr \"" << f.translations.back() << "\"\n\n";
        }
    }
    const std::string command =
        "msgfmt -o '" + (messages / "bench.mo").string() + "' '" + (messages / "bench.po").string() + "'";
    return std::system(command.c_str()) == 0;
}

// Both sides must really translate before anything is timed.
bool Verify(Fixture& f) {
    for (int i = 0; i < kEntries; ++i) {
        const char* theirs = dgettext(kDomain, f.hits[static_cast<std::size_t>(i)].c_str());
        if (f.translations[static_cast<std::size_t>(i)] != theirs) {
            std::fprintf(stderr, "C library did not translate \"%s\"\n",
                         f.hits[static_cast<std::size_t>(i)].c_str());
            return false;
        }
        if (f.ours.LookupInDomain(kDomain, f.hits[static_cast<std::size_t>(i)]) !=
            f.translations[static_cast<std::size_t>(i)]) {
            std::fprintf(stderr, "our runtime did not translate \"%s\"\n",
                         f.hits[static_cast<std::size_t>(i)].c_str());
            return false;
        }
    }
    return true;
}

bool Prepare() {
    Fixture& f = TheFixture();
    if (!MakeCatalog(f)) return false;
    // The C library translates nothing in the "C" locale; C.UTF-8 plus
    // LANGUAGE picks the catalog without an installed German locale.
    ::setenv("LANGUAGE", "de_DE", 1);
    if (std::setlocale(LC_ALL, "C.UTF-8") == nullptr) return false;
    bindtextdomain(kDomain, f.dir.c_str());
    bind_textdomain_codeset(kDomain, "UTF-8");
    f.ours.Setup({});
    f.ours.BindTextDomain(kDomain, f.dir.string());
    f.ours.UseLanguage("de_DE");
    return Verify(f);
}

void Ours(benchmark::State& state, const std::vector<std::string>& keys) {
    Fixture& f = TheFixture();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.ours.LookupInDomain(kDomain, keys[i]));
        if (++i == keys.size()) i = 0;
    }
}

void Theirs(benchmark::State& state, const std::vector<std::string>& keys) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dgettext(kDomain, keys[i].c_str()));
        if (++i == keys.size()) i = 0;
    }
}

void BM_OursFound(benchmark::State& state) { Ours(state, TheFixture().hits); }
void BM_CLibraryFound(benchmark::State& state) { Theirs(state, TheFixture().hits); }
void BM_OursMissing(benchmark::State& state) { Ours(state, TheFixture().misses); }
void BM_CLibraryMissing(benchmark::State& state) { Theirs(state, TheFixture().misses); }
BENCHMARK(BM_OursFound);
BENCHMARK(BM_CLibraryFound);
BENCHMARK(BM_OursMissing);
BENCHMARK(BM_CLibraryMissing);

// Keeps each run's time per iteration so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!Prepare()) {
        std::fprintf(stderr, "i18n_bench: could not set up the catalog\n");
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const char* ours, const char* theirs) {
        if (reporter.times.count(ours) && reporter.times.count(theirs))
            std::printf("ratio ours/C library, %s: %.2f\n", ours + 7,
                        reporter.times[ours] / reporter.times[theirs]);
    };
    ratio("BM_OursFound", "BM_CLibraryFound");
    ratio("BM_OursMissing", "BM_CLibraryMissing");
    std::filesystem::remove_all(TheFixture().dir);
    benchmark::Shutdown();
    return 0;
}
