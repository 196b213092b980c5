// Opening «Журнал рыбака» on a journal of 10 000 catches (with their fates,
// over 200 sessions, 12 species at 30 places): from making the window to its
// first paint, file reading included; then each chart tab's first paint.
// The goal is an opening under 300 ms. Prints milliseconds; run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bin/ui_journal_bench

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "data/journal_file.h"
#include "ui/journal/journal_window.h"
#include "ui/journal_opener.h"

namespace {

constexpr int kCatches = 10000;

std::filesystem::path WriteJournal() {
    const auto file = std::filesystem::temp_directory_path() / "klev_ui_journal_bench.csv";
    std::filesystem::remove(file);
    const char* const species[] = {"щука", "окунь", "сом",  "лещ",   "карп", "судак",
                                   "плотва", "ёрш", "линь", "голавль", "жерех", "усач"};
    std::vector<data::JournalEntry> lines;
    long long money = 50;
    for (int i = 1; i <= kCatches; ++i) {
        const int day = i / 50;
        char time[32];
        std::snprintf(time, sizeof time, "2026-%02d-%02d %02d:%02d:00", 1 + day / 28 % 12, 1 + day % 28, 8 + i % 12,
                      i % 60);
        if (i % 50 == 1) {
            data::JournalEntry s;
            s.kind = data::JournalKind::Session;
            s.time = time;
            s.money = money;
            lines.push_back(s);
        }
        data::JournalEntry c;
        c.kind = data::JournalKind::Catch;
        c.id = i;
        c.time = time;
        c.map = i % 2 ? "Озеро" : "Река";
        c.place = 1 + i % 15;
        c.species = species[i % 12];
        c.weight = 100 + (i * 7919) % 9000;
        c.rig = i % 3 ? "поплавок" : "блесна";
        c.rod = "Удочка";
        c.line = "0,2 мм";
        c.bait = i % 3 ? "червь" : "Вертушка";
        lines.push_back(c);
        if (i % 4 != 0) {
            data::JournalEntry f;
            f.kind = i % 4 == 1 ? data::JournalKind::Evaluated : i % 4 == 2 ? data::JournalKind::Bought : data::JournalKind::Released;
            f.id = i;
            f.time = time;
            if (f.kind != data::JournalKind::Released) f.money = money += 3;
            lines.push_back(f);
        }
    }
    data::AppendJournal(file, lines);
    return file;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto file = WriteJournal();
    std::vector<double> opening, tabs;
    const ui::GameJournalTexts texts(',');
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        ui::JournalWindow window(nullptr, texts);
        ui::ShowJournalFile(window, file);
        window.show();
        window.repaint();
        QCoreApplication::processEvents();
        opening.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.restart();
        for (int tab = 1; tab < window.tabs()->count(); ++tab) {
            window.tabs()->setCurrentIndex(tab);
            window.repaint();
            QCoreApplication::processEvents();
        }
        tabs.push_back(double(clock.nsecsElapsed()) / 1e6);
        std::printf("run %d: opening %.1f ms, the other four tabs %.1f ms\n", run + 1, opening.back(), tabs.back());
    }
    std::printf("median opening with %d catches: %.1f ms (goal: under 300 ms)\n", kCatches, Median(opening));
    std::printf("median of the other tabs' first paint: %.1f ms\n", Median(tabs));
    std::filesystem::remove(file);
    return 0;
}
