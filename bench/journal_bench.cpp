// The catch journal with 10 000 lines already in it: what the journal adds
// to a landing (the catch line appended; the goal is well under 1 ms), a
// whole landing into the keep-net, and the first use in a run, which reads
// the file once (done by the cast, before any landing). Times per call.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "data/journal_file.h"
#include "scene/fight.h"
#include "shell/game.h"
#include "shell/journal.h"
#include "test_game.h"

namespace {

constexpr int kLines = 10000;

// A player on the map whose journal holds kLines lines of catches and fates.
std::unique_ptr<testing_support::TestGame> PlayerWithJournal() {
    auto t = std::make_unique<testing_support::TestGame>();
    t->startAs("Рыбак");
    std::vector<data::JournalEntry> lines;
    for (int i = 1; i <= kLines; ++i) {
        data::JournalEntry e;
        const bool fate = i % 2 == 0;
        e.kind = fate ? data::JournalKind::Evaluated : data::JournalKind::Catch;
        e.id = fate ? i - 1 : i;
        e.time = "2026-12-09 14:03:27";
        e.species = i % 3 ? "окунь" : "щука, \"зубастая\"";
        e.weight = 100 + i % 4000;
        if (fate) {
            e.price = 1.5;
            e.money = i;
        } else {
            e.map = "Озеро";
            e.place = 1 + i % 5;
            e.rig = "поплавок";
            e.rod = "Удочка";
            e.line = "0,2 мм";
            e.bait = "червь";
        }
        lines.push_back(std::move(e));
    }
    data::AppendJournal(klev::JournalPath(t->game()), lines);
    klev::Game& g = t->game();
    g.place.MapIndex = 1;
    g.place.PlaceNumber = 1;
    g.fishing.FishSpecies = 2;
    g.fishing.FishWeight = 600;
    return t;
}

void BM_JournalLandingAppend(benchmark::State& state) {
    auto t = PlayerWithJournal();
    klev::Game& g = t->game();
    klev::JournalCast(g);
    klev::FishRecord fish;
    fish.SpeciesName = "окунь";
    fish.Weight = 600;
    for (auto _ : state) klev::JournalLanding(g, fish);
}
BENCHMARK(BM_JournalLandingAppend)->Unit(benchmark::kMicrosecond);

// The whole landing into the keep-net, journal line included.
void BM_LandFishWithJournal(benchmark::State& state) {
    auto t = PlayerWithJournal();
    klev::Game& g = t->game();
    klev::JournalCast(g);
    for (auto _ : state) {
        klev::LandFish(g);
        state.PauseTiming();
        g.save.CaughtFish.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LandFishWithJournal)->Unit(benchmark::kMicrosecond);

// The first use in a run: the whole file read and folded.
void BM_JournalFirstUseReads10000Lines(benchmark::State& state) {
    auto t = PlayerWithJournal();
    klev::Game& g = t->game();
    for (auto _ : state) {
        g.journal.reset();
        klev::JournalCast(g);
    }
}
BENCHMARK(BM_JournalFirstUseReads10000Lines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
