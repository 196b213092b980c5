#pragma once
// The game's state, split by who owns it. Each part is a plain struct; the
// rules change it and the windows show it. Lists are 1-based through At();
// the reflected counts (`CaughtCount`, `OwnedRodCount` ...) are their sizes.
// Reflection reaches every field by the game's flat name (`PlayerMoney`,
// `FishWeight`, `Regulars(3).Attitude`), whichever part holds it.

#include <string>
#include <vector>

#include "model/records.h"

namespace klev {

// The tackle the player fishes with: "popl" (float) or "bles" (lure).
enum class Rig { None, Float, Lure };
// Which way a float bob or a drift goes next: "down" or "up".
enum class Heading { None, Down, Up };
// The four ways a fish really bites; None while it only nibbles.
enum class BiteType { None = 0, Drift = 1, Under = 2, Bobbing = 3, Rising = 4 };

const char* RigText(Rig rig);
Rig RigFromText(const std::string& text);

// What the save file holds, and nothing else: the save reader and writer
// take exactly this.
struct SaveData {
    std::string PlayerName;  // names the save folder; not a line of the file
    Long PlayerMoney = 0;
    Rig RigMode = Rig::None;
    // 1-based slots of the tackle in use; 0 = nothing in use.
    Long RodSlot = 0, LineSlot = 0, BaitSlot = 0, LureSlot = 0, GroundbaitSlot = 0;
    std::vector<TackleItem> OwnedRods, OwnedLines, OwnedBaits, OwnedLures, OwnedGroundbaits;
    std::vector<FishRecord> CaughtFish;  // the keep-net
    // The four regulars: only Attitude is saved; the bar and the tournaments
    // keep their other fields here for the run.
    RegularRecord Regulars[4];

    void reflect(forms::VarVisitor& v);
};

// Read at start-up from the game folder; read-only afterwards.
struct LoadedData {
    std::vector<TackleItem> RodCatalog, LineCatalog, BaitCatalog, LureCatalog;
    std::vector<FishRecord> SpeciesList;
    std::vector<MapInfo> MapList;
    Long PictureCount = 0;  // pictures in the stock
    bool UseSettingsFile = false;

    void reflect(forms::VarVisitor& v);
};

// The shared records book: loaded at start-up, entered by the evaluation,
// written at the exit.
struct RecordBookData {
    std::vector<FishRecord> RecordBook;

    void reflect(forms::VarVisitor& v);
};

// Where the player is, and the settings of the place he fishes at.
struct PlaceState {
    Long MapIndex = 0;
    std::string MapFolder;
    Long PlaceNumber = 0;
    std::string BaseDestination;  // "shop1", "pub" or "fishery"
    Long ShoreLineY = 0, CastLineY = 0, SnagChance = 0;
    std::vector<PlaceFishEntry> PlaceFish;

    void reflect(forms::VarVisitor& v);
};

// Texts handed from a rule to the window or player that shows them.
struct Messages {
    std::string InfoText;   // the scene's info line
    std::string SoundFile;  // the sound file to play next

    void reflect(forms::VarVisitor& v);
};

// The fishing at the scene, moment to moment. Not saved.
struct FishingState {
    // The fish at the bait or on the hook.
    Long FishSpecies = 0, FishWeight = 0;
    bool Hooked = false, Snagged = false;
    Long GroundbaitPower = 0;
    // The rod's animations, stepped by the shared animation timer.
    bool RodBusy = false, CastAnimating = false, StrikeAnimating = false, Reeling = false;
    Long CastFrame = 0, StrikeFrame = 0, RodRestLeft = 0, ReelBob = 0;
    // The tackle's position in the water, twips; InWater from a landed cast
    // until it is reeled in, cut, broken or the place is left.
    Long TackleX = 0, TackleY = 0;
    bool InWater = false;
    // Nibbles and bites.
    bool FishAtBait = false;
    Heading FloatBob = Heading::None;
    bool BiteActive = false;
    BiteType BiteKind = BiteType::None;
    Long BiteStep = 0;
    Long DriftDX = 0, DriftDY = 0;
    Heading DriftDirX = Heading::None, DriftDirY = Heading::None;
    // The fight: the tension bar's length in twips (the window draws it).
    bool HookSet = false;
    Long FishPower = 0, FishStamina = 0;
    float Tension = 0;
    // The groundbait ball: rise speed in twips a tick and the splash ring's step.
    Long BallSpeed = 0;
    Long WaveStep = 0;
    // The sliding help panel.
    bool HelpSlideIn = false, HelpSlideOut = false, HelpShown = false;

    void reflect(forms::VarVisitor& v);
};

// A puddle on the bar's floor, twips on the bar window.
struct Puddle {
    Long Left = 0, Top = 0;
};

// The bar: the player's drunkenness and fullness, the drink being poured
// and the puddles on the floor.
struct BarState {
    Long Drunkenness = 0, Satiety = 0;
    bool TreatAll = false;
    Long DrinkStrength = 0, DrinkAttitudeGain = 0, FirstSlidingPuddle = 0;
    std::vector<Puddle> Puddles;  // PuddleCount is its size; Blevo(i) shows Puddles[i - 1]
    // What the hall shows. The meters are widths in twips: the drink meter
    // grows by each drink and is recomputed from the values only by food and
    // by opening the bar, so it may differ from Drunkenness * 10.
    Long DrinkMeter = 0, SatietyMeter = 0;
    bool DrinkMeterRed = false;  // once red, it stays red
    std::string Speech;          // the last line said; empty until someone speaks
    Long SpeechTop = 0, SpeechLeft = 0;
    bool EyesShown = false;  // Хумпи's eyes
    Long EyeColor = 0;
    bool PassedOut = false;

    void reflect(forms::VarVisitor& v);
};

// A duel against one of the regulars.
struct DuelState {
    bool InDuel = false;
    std::string DuelKind;
    Long DuelStake = 0, DuelTimeLeft = 0, SelectedRegular = 0;
    std::vector<FishRecord> RivalCatch;

    void reflect(forms::VarVisitor& v);
};

// The tournament on offer or running.
struct TournamentState {
    Long TournamentCountdown = 0, TournamentMap = 0, TournamentPlace = 0;
    std::string TournamentFish;
    Long TournamentPrize = 0;
    bool InTournament = false;
    Long TournamentTimeLeft = 0;
    std::vector<PlaceFishEntry> TournamentFishList;
    // An offer is up on the notice board: opened and not yet withdrawn or taken.
    bool TournamentOffered = false;

    void reflect(forms::VarVisitor& v);
};

// Every part together; reflection visits them all under the flat names.
struct GameState {
    SaveData save;
    LoadedData loaded;
    RecordBookData book;
    PlaceState place;
    Messages messages;
    FishingState fishing;
    BarState bar;
    DuelState duel;
    TournamentState tournament;

    void reflect(forms::VarVisitor& v);
};

}  // namespace klev
