#pragma once
// The game's shared state. Counts of lists are the sizes of the lists; the
// reflected names (`CaughtCount`, `OwnedRodCount` ...) report them.

#include <string>
#include <vector>

#include "shell/structures.h"

namespace klev {

struct Variables {
    // Player.
    std::string PlayerName;
    Long PlayerMoney = 0;
    std::string RigMode;
    Long RodSlot = 0, LineSlot = 0, BaitSlot = 0, LureSlot = 0, GroundbaitSlot = 0;
    Long Drunkenness = 0, Satiety = 0;

    // Owned tackle and catch (saved).
    std::vector<TackleItem> OwnedRods, OwnedLines, OwnedBaits, OwnedLures, OwnedGroundbaits;
    std::vector<FishRecord> CaughtFish;  // the keep-net

    // Loaded data.
    std::vector<TackleItem> RodCatalog, LineCatalog, BaitCatalog, LureCatalog;
    std::vector<FishRecord> SpeciesList;
    std::vector<MapInfo> MapList;
    Long PictureCount = 0;
    bool UseSettingsFile = false;

    // Where the player is.
    Long MapIndex = 0;
    std::string MapFolder;
    Long PlaceNumber = 0;
    std::string BaseDestination;

    // The current place.
    Long ShoreLineY = 0, CastLineY = 0, SnagChance = 0;
    std::vector<PlaceFishEntry> PlaceFish;

    std::vector<FishRecord> RecordBook;
    RegularRecord Regulars[4];

    std::string InfoText;
    std::string SoundFile;

    // Fishing in progress.
    Long FishSpecies = 0, FishWeight = 0;
    bool Hooked = false, Snagged = false;
    Long GroundbaitPower = 0;

    // Duel.
    bool InDuel = false;
    std::string DuelKind;
    Long DuelStake = 0, DuelTimeLeft = 0, SelectedRegular = 0;
    std::vector<FishRecord> RivalCatch;

    // Tournament.
    Long TournamentCountdown = 0, TournamentMap = 0, TournamentPlace = 0;
    std::string TournamentFish;
    Long TournamentPrize = 0;
    bool InTournament = false;
    Long TournamentTimeLeft = 0;
    std::vector<PlaceFishEntry> TournamentFishList;

    // Bar.
    bool TreatAll = false;
    Long DrinkStrength = 0, DrinkAttitudeGain = 0, PuddleCount = 0, FirstSlidingPuddle = 0;

    // The fishing scene's own state (not saved).
    bool RodBusy = false, CastAnimating = false, StrikeAnimating = false, Reeling = false;
    Long CastFrame = 0, StrikeFrame = 0, RodRestLeft = 0, ReelBob = 0;
    Long TackleX = 0, TackleY = 0;
    bool FishAtBait = false;
    std::string FloatBob;
    bool BiteActive = false;
    Long BiteKind = 0, BiteStep = 0;
    Long DriftDX = 0, DriftDY = 0;
    std::string DriftDirX, DriftDirY;
    bool HookSet = false;
    Long FishPower = 0, FishStamina = 0;
    Long WaveStep = 0;
    bool HelpSlideIn = false, HelpSlideOut = false, HelpShown = false;

    // The inventory's pick-list mode.
    bool InvShowsRods = false, InvShowsLines = false, InvShowsLures = false, InvShowsBaits = false,
         InvShowsGroundbaits = false;

    void reflect(forms::VarVisitor& v);
};

}  // namespace klev
