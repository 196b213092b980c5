#include "shell/journal.h"

#include <cstdio>
#include <exception>
#include <iostream>

#include "data/game_folder.h"
#include "data/journal_file.h"
#include "shell/game.h"

namespace klev {
namespace {

void Warn(const std::string& what) { std::cerr << "klevnitsa: catch journal: " << what << '\n'; }

std::string TimeText(Game& game) {
    const forms::LocalTime t = game.services.clock.now();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return text;
}

// The name of item `slot` (1-based) of `list`; empty for no item.
std::string ItemName(const std::vector<TackleItem>& list, Long slot) {
    if (slot < 1 || slot > Long(list.size())) return {};
    return list[std::size_t(slot - 1)].Name;
}

// The rig, rod, line and bait or lure in use.
void PutTackle(const Game& game, data::JournalEntry& e) {
    const SaveData& s = game.save;
    e.rod = ItemName(s.OwnedRods, s.RodSlot);
    e.line = ItemName(s.OwnedLines, s.LineSlot);
    if (s.RigMode == Rig::Float) {
        e.rig = "поплавок";
        e.bait = ItemName(s.OwnedBaits, s.BaitSlot);
    } else if (s.RigMode == Rig::Lure) {
        e.rig = "блесна";
        e.bait = ItemName(s.OwnedLures, s.LureSlot);
    }
}

std::string MapTitle(const Game& game) {
    const Long i = game.place.MapIndex;
    if (i < 1 || i > Long(game.loaded.MapList.size())) return {};
    return game.loaded.MapList[std::size_t(i - 1)].Title;
}

data::JournalEntry Entry(Game& game, data::JournalKind kind, long long id) {
    data::JournalEntry e;
    e.kind = kind;
    e.id = id;
    e.time = TimeText(game);
    return e;
}

// Appends the lines, behind the run's session line if it has none yet.
// False when they could not be written.
bool Append(Game& game, JournalCache& j, std::vector<data::JournalEntry> entries) {
    if (!j.readable) return false;
    if (!j.sessionWritten) {
        data::JournalEntry session = Entry(game, data::JournalKind::Session, 0);
        session.money = game.save.PlayerMoney;
        entries.insert(entries.begin(), std::move(session));
    }
    try {
        data::AppendJournal(j.file, entries);
    } catch (const std::exception& e) {
        Warn(std::string(e.what()) + "; the entry is not written");
        return false;
    }
    j.sessionWritten = true;
    return true;
}

bool SameFish(const JournalCache::KeptCatch& c, const FishRecord& fish) {
    return c.species == fish.SpeciesName && c.weight == fish.Weight;
}

// Reads the journal and writes down as lost the kept catches that the
// keep-net, as the save gave it, no longer holds.
void Load(Game& game, JournalCache& j) {
    try {
        const std::vector<data::JournalEntry> entries = data::ReadJournal(j.file, [&](std::size_t line, const std::string& why) {
            Warn(data::PathText(j.file) + ", line " + std::to_string(line) + ": " + why + "; the line is skipped");
        });
        const data::JournalSummary summary = data::FoldJournal(entries);
        j.lastId = summary.lastId;
        for (const data::JournalCatch& c : summary.catches)
            if (c.fate == data::CatchFate::Kept) j.kept.push_back({c.landing.id, c.landing.species, c.landing.weight});
    } catch (const std::exception& e) {
        // Numbers given now could repeat those of the lines not read.
        Warn(std::string(e.what()) + "; nothing is added to the journal in this run");
        j.readable = false;
        return;
    }
    std::vector<bool> inNet(j.kept.size(), false);
    for (const FishRecord& fish : game.save.CaughtFish) {
        for (std::size_t i = 0; i < j.kept.size(); ++i) {
            if (inNet[i] || !SameFish(j.kept[i], fish)) continue;
            inNet[i] = true;
            break;
        }
    }
    std::vector<data::JournalEntry> lost;
    std::vector<JournalCache::KeptCatch> still;
    for (std::size_t i = 0; i < j.kept.size(); ++i) {
        if (inNet[i]) {
            still.push_back(j.kept[i]);
            continue;
        }
        data::JournalEntry e = Entry(game, data::JournalKind::Lost, j.kept[i].id);
        e.species = j.kept[i].species;
        e.weight = j.kept[i].weight;
        lost.push_back(std::move(e));
    }
    j.kept = std::move(still);
    if (!lost.empty()) Append(game, j, std::move(lost));
}

// The journal of the player now playing, read on its first use in the run.
JournalCache& Cache(Game& game) {
    if (!game.journal) game.journal = std::make_unique<JournalCache>();
    JournalCache& j = *game.journal;
    std::filesystem::path file = JournalPath(game);
    if (j.loaded && j.file == file) return j;
    j = JournalCache{};
    j.file = std::move(file);
    j.loaded = true;
    Load(game, j);
    return j;
}

data::JournalKind KindOf(FishFate fate) {
    switch (fate) {
        case FishFate::Released: return data::JournalKind::Released;
        case FishFate::Evaluated: return data::JournalKind::Evaluated;
        case FishFate::Bought: return data::JournalKind::Bought;
        case FishFate::Record: break;
    }
    return data::JournalKind::Record;
}

}  // namespace

std::filesystem::path JournalPath(const Game& game) {
    return game.path("\\Saves\\" + game.save.PlayerName + "\\journal.csv");
}

void JournalCast(Game& game) {
    try {
        Cache(game);
    } catch (const std::exception& e) {
        Warn(e.what());
    }
}

void JournalLanding(Game& game, const FishRecord& fish) {
    try {
        JournalCache& j = Cache(game);
        // A number is never given twice, even when its line is not written.
        data::JournalEntry e = Entry(game, data::JournalKind::Catch, ++j.lastId);
        e.map = MapTitle(game);
        e.place = game.place.PlaceNumber;
        e.species = fish.SpeciesName;
        e.weight = fish.Weight;
        PutTackle(game, e);
        if (Append(game, j, {e})) j.kept.push_back({e.id, e.species, e.weight});
    } catch (const std::exception& e) {
        Warn(e.what());
    }
}

void JournalFate(Game& game, const FishRecord& fish, FishFate fate, std::optional<double> price) {
    try {
        JournalCache& j = Cache(game);
        long long id = 0;
        for (auto it = j.kept.begin(); it != j.kept.end(); ++it) {
            if (!SameFish(*it, fish)) continue;
            id = it->id;
            if (fate != FishFate::Record) j.kept.erase(it);
            break;
        }
        data::JournalEntry e = Entry(game, KindOf(fate), id);
        e.species = fish.SpeciesName;
        e.weight = fish.Weight;
        if (fate == FishFate::Evaluated) e.price = price;
        if (fate == FishFate::Evaluated || fate == FishFate::Bought) e.money = game.save.PlayerMoney;
        Append(game, j, {e});
    } catch (const std::exception& e) {
        Warn(e.what());
    }
}

}  // namespace klev
