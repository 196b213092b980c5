#include "model/game_state.h"

namespace klev {
namespace {

constexpr const char* RigTexts[] = {"", "popl", "bles"};
constexpr const char* HeadingTexts[] = {"", "down", "up"};

}  // namespace

const char* RigText(Rig rig) { return RigTexts[std::size_t(rig)]; }

Rig RigFromText(const std::string& text) {
    if (text == "popl") return Rig::Float;
    if (text == "bles") return Rig::Lure;
    return Rig::None;
}

void SaveData::reflect(forms::VarVisitor& v) {
    v.field("PlayerName", PlayerName);
    v.field("PlayerMoney", PlayerMoney);
    v.enumText("RigMode", RigMode, RigTexts);
    v.field("RodSlot", RodSlot);
    v.field("LineSlot", LineSlot);
    v.field("BaitSlot", BaitSlot);
    v.field("LureSlot", LureSlot);
    v.field("GroundbaitSlot", GroundbaitSlot);
    v.records("OwnedRods", OwnedRods);
    v.sizeOf("OwnedRodCount", OwnedRods);
    v.records("OwnedLines", OwnedLines);
    v.sizeOf("OwnedLineCount", OwnedLines);
    v.records("OwnedBaits", OwnedBaits);
    v.sizeOf("OwnedBaitCount", OwnedBaits);
    v.records("OwnedLures", OwnedLures);
    v.sizeOf("OwnedLureCount", OwnedLures);
    v.records("OwnedGroundbaits", OwnedGroundbaits);
    v.sizeOf("OwnedGroundbaitCount", OwnedGroundbaits);
    v.records("CaughtFish", CaughtFish);
    v.sizeOf("CaughtCount", CaughtFish);
    v.records("Regulars", Regulars);
}

void LoadedData::reflect(forms::VarVisitor& v) {
    v.records("RodCatalog", RodCatalog);
    v.sizeOf("RodCatalogCount", RodCatalog);
    v.records("LineCatalog", LineCatalog);
    v.sizeOf("LineCatalogCount", LineCatalog);
    v.records("BaitCatalog", BaitCatalog);
    v.sizeOf("BaitCatalogCount", BaitCatalog);
    v.records("LureCatalog", LureCatalog);
    v.sizeOf("LureCatalogCount", LureCatalog);
    v.records("SpeciesList", SpeciesList);
    v.sizeOf("SpeciesCount", SpeciesList);
    v.records("MapList", MapList);
    v.sizeOf("MapCount", MapList);
    v.field("PictureCount", PictureCount);
    v.field("UseSettingsFile", UseSettingsFile);
}

void RecordBookData::reflect(forms::VarVisitor& v) {
    v.records("RecordBook", RecordBook);
    v.sizeOf("RecordCount", RecordBook);
}

void PlaceState::reflect(forms::VarVisitor& v) {
    v.field("MapIndex", MapIndex);
    v.field("MapFolder", MapFolder);
    v.field("PlaceNumber", PlaceNumber);
    v.field("BaseDestination", BaseDestination);
    v.field("ShoreLineY", ShoreLineY);
    v.field("CastLineY", CastLineY);
    v.field("SnagChance", SnagChance);
    v.records("PlaceFish", PlaceFish);
    v.sizeOf("PlaceFishCount", PlaceFish);
}

void Messages::reflect(forms::VarVisitor& v) {
    v.field("InfoText", InfoText);
    v.field("SoundFile", SoundFile);
}

void FishingState::reflect(forms::VarVisitor& v) {
    v.field("FishSpecies", FishSpecies);
    v.field("FishWeight", FishWeight);
    v.field("Hooked", Hooked);
    v.field("Snagged", Snagged);
    v.field("GroundbaitPower", GroundbaitPower);
    v.field("RodBusy", RodBusy);
    v.field("CastAnimating", CastAnimating);
    v.field("StrikeAnimating", StrikeAnimating);
    v.field("Reeling", Reeling);
    v.field("CastFrame", CastFrame);
    v.field("StrikeFrame", StrikeFrame);
    v.field("RodRestLeft", RodRestLeft);
    v.field("ReelBob", ReelBob);
    v.field("TackleX", TackleX);
    v.field("TackleY", TackleY);
    v.field("InWater", InWater);
    v.field("FishAtBait", FishAtBait);
    v.enumText("FloatBob", FloatBob, HeadingTexts);
    v.field("BiteActive", BiteActive);
    v.enumNumber("BiteKind", BiteKind);
    v.field("BiteStep", BiteStep);
    v.field("DriftDX", DriftDX);
    v.field("DriftDY", DriftDY);
    v.enumText("DriftDirX", DriftDirX, HeadingTexts);
    v.enumText("DriftDirY", DriftDirY, HeadingTexts);
    v.field("HookSet", HookSet);
    v.field("FishPower", FishPower);
    v.field("FishStamina", FishStamina);
    v.field("WaveStep", WaveStep);
    v.field("HelpSlideIn", HelpSlideIn);
    v.field("HelpSlideOut", HelpSlideOut);
    v.field("HelpShown", HelpShown);
}

void BarState::reflect(forms::VarVisitor& v) {
    v.field("Drunkenness", Drunkenness);
    v.field("Satiety", Satiety);
    v.field("TreatAll", TreatAll);
    v.field("DrinkStrength", DrinkStrength);
    v.field("DrinkAttitudeGain", DrinkAttitudeGain);
    v.count("PuddleCount", Puddles.size());
    v.field("FirstSlidingPuddle", FirstSlidingPuddle);
}

void DuelState::reflect(forms::VarVisitor& v) {
    v.field("InDuel", InDuel);
    v.field("DuelKind", DuelKind);
    v.field("DuelStake", DuelStake);
    v.field("DuelTimeLeft", DuelTimeLeft);
    v.field("SelectedRegular", SelectedRegular);
    v.records("RivalCatch", RivalCatch);
    v.sizeOf("RivalCatchCount", RivalCatch);
}

void TournamentState::reflect(forms::VarVisitor& v) {
    v.field("TournamentCountdown", TournamentCountdown);
    v.field("TournamentMap", TournamentMap);
    v.field("TournamentPlace", TournamentPlace);
    v.field("TournamentFish", TournamentFish);
    v.field("TournamentPrize", TournamentPrize);
    v.field("InTournament", InTournament);
    v.field("TournamentTimeLeft", TournamentTimeLeft);
    v.records("TournamentFishList", TournamentFishList);
    v.sizeOf("TournamentFishCount", TournamentFishList);
    v.field("TournamentOffered", TournamentOffered);
}

void GameState::reflect(forms::VarVisitor& v) {
    save.reflect(v);
    loaded.reflect(v);
    book.reflect(v);
    place.reflect(v);
    messages.reflect(v);
    fishing.reflect(v);
    bar.reflect(v);
    duel.reflect(v);
    tournament.reflect(v);
}

}  // namespace klev
