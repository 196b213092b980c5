#pragma once
// The player's catch journal (data/journal_file.h), "journal.csv" beside his
// save: the rules tell it what happens to a fish, one call where it happens,
// and it appends the line. It draws no random value, starts no timer and
// shows nothing: the game plays exactly as without it. A journal that cannot
// be read or written is told on the standard error and the game goes on.
//
// The journal knows a kept fish by its species and weight: a fate goes to
// the oldest catch still in the keep-net that has both (two such fish are
// alike to the game as well). The first time a run uses the journal it reads
// the file once: the catches still kept that the loaded keep-net no longer
// holds (a run that ended without saving) are written down as lost.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace klev {

class Game;
struct FishRecord;

// What became of a kept fish.
enum class FishFate {
    Released,   // let go from the caught-fish window
    Evaluated,  // sold at the evaluation, at its price
    Bought,     // sold with the whole keep-net to the fish buyer
    Record,     // entered in the records book; it stays in the keep-net
};

// The journal file of the player now playing.
std::filesystem::path JournalPath(const Game& game);

// A cast goes out: the journal is read now, if this run has not read it
// yet, so that a landing only appends.
void JournalCast(Game& game);

// `fish` has just gone into the keep-net at the current place, caught on the
// tackle in use (the fish took the bait in use when it found it).
void JournalLanding(Game& game, const FishRecord& fish);

// Kept fish `fish` (still in the keep-net) meets `fate`; the money is the
// player's after it. `price` is the evaluation's.
void JournalFate(Game& game, const FishRecord& fish, FishFate fate, std::optional<double> price = {});

// The journal's memory for one run, held by the game.
struct JournalCache {
    struct KeptCatch {
        long long id = 0;
        std::string species;
        long long weight = 0;
    };

    std::filesystem::path file;  // the journal read; another player's is read afresh
    bool loaded = false;
    bool readable = true;  // false: the file is there but unreadable, so nothing is added to it
    bool sessionWritten = false;
    long long lastId = 0;
    std::vector<KeptCatch> kept;  // catches still in the keep-net, oldest first
};

}  // namespace klev
