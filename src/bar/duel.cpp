#include "bar/duel.h"

#include <algorithm>
#include <cmath>

#include "bar/duel_select.h"
#include "bar/kafe.h"
#include "data/numbers.h"
#include "model/fatal_error.h"
#include "scene/scene_form.h"
#include "mainscreen/form1.h"
#include "shell/game.h"

namespace klev {
namespace {

RegularRecord& Rival(Game& game) {
    const Long i = game.duel.SelectedRegular;
    if (i < 1 || i > 4) throw data::FatalError("Subscript out of range: Regulars(" + std::to_string(i) + ")");
    return game.save.Regulars[i - 1];
}

std::string Kilograms(const Game& game, Long grams) { return game.numberText(double(grams) / 1000); }

Long TotalWeight(const std::vector<FishRecord>& fish) {
    Long sum = 0;
    for (const FishRecord& f : fish) sum += f.Weight;
    return sum;
}

Long TopWeight(const std::vector<FishRecord>& fish) {
    Long top = 0;
    for (const FishRecord& f : fish) top = std::max(top, f.Weight);
    return top;
}

// Compares the catches by DuelKind, writes both lines and moves the stake.
// A duel without a kind (none chosen yet) settles nothing.
void Settle(Game& game) {
    DuelState& duel = game.duel;
    SceneForm& scene = game.window<SceneForm>();
    const std::string& name = Rival(game).Name;
    const std::vector<FishRecord>& mine = game.save.CaughtFish;
    Long p = 0, r = 0;
    if (duel.DuelKind == "allves") {
        p = TotalWeight(mine);
        r = TotalWeight(duel.RivalCatch);
        scene.Rez_Sop.Caption = name + " наловил рыбу на " + Kilograms(game, r) + " кг";
        scene.Rez_you.Caption = "Ты наловил рыбу на " + Kilograms(game, p) + " кг";
    } else if (duel.DuelKind == "topves") {
        p = TopWeight(mine);
        r = TopWeight(duel.RivalCatch);
        scene.Rez_Sop.Caption = name + " выловил рыбу на " + Kilograms(game, r) + " кг";
        scene.Rez_you.Caption = "Ты выловил рыбу на " + Kilograms(game, p) + " кг";
    } else if (duel.DuelKind == "kol") {
        p = Long(mine.size());
        r = Long(duel.RivalCatch.size());
        scene.Rez_Sop.Caption = name + " выловил " + data::IntText(r) + " рыб";
        scene.Rez_you.Caption = "Ты выловил " + data::IntText(p) + " рыб";
    } else {
        return;
    }
    const std::string stake = data::IntText(duel.DuelStake);
    if (r < p) {
        game.save.PlayerMoney += duel.DuelStake;
        scene.Rez_Prize.Caption = "Победа !" + stake + " $";
    } else if (p < r) {
        game.save.PlayerMoney -= duel.DuelStake;
        scene.Rez_Prize.Caption = "Проигрыш !" + stake + " $";
    } else {
        scene.Rez_Prize.Caption = "НИЧЬЯ";
    }
}

}  // namespace

void ChallengeRegular(Game& game) {
    Kafe& kafe = game.window<Kafe>();
    if (Rival(game).Attitude > 99) {
        kafe.Hide();
        game.bar.Drunkenness = 1;
        kafe.Timer1.setEnabled(false);
        kafe.Actions.setEnabled(false);
        game.window<Duel_Select>().Show();
    } else {
        kafe.Label12.Caption = "добейся его уважения";
    }
}

DuelStart StartDuel(Game& game, const std::string& stakeText, const std::string& kindText) {
    const double stake = data::LenientNumber(stakeText);
    if (stake > 100) return DuelStart::OverLimit;
    // A negative stake would pay the loser: refused.
    if (stake < 0) return DuelStart::Negative;
    if (stake > double(game.save.PlayerMoney)) return DuelStart::NoMoney;
    DuelState& duel = game.duel;
    duel.InDuel = true;
    if (kindText == "общий вес") duel.DuelKind = "allves";
    else if (kindText == "самай крупная рыба") duel.DuelKind = "topves";
    else if (kindText == "колличество") duel.DuelKind = "kol";
    duel.DuelStake = data::RoundHalfEven(stake);
    // The result frame shows this duel's result or none, never an old one.
    SceneForm& scene = game.window<SceneForm>();
    scene.Rez_Prize.Caption = "";
    scene.Rez_Sop.Caption = "";
    scene.Rez_you.Caption = "";
    game.window<Duel_Select>().Hide();
    Form1& map = game.window<Form1>();
    map.Show();
    map.Info.Caption = "Выбери место для соревнования";
    return DuelStart::Accepted;
}

void DuelTick(Game& game) {
    DuelState& duel = game.duel;
    SceneForm& scene = game.window<SceneForm>();
    --duel.DuelTimeLeft;
    scene.Duel_Vremya.Caption = data::IntText(duel.DuelTimeLeft);
    game.Randomize();
    const RegularRecord& rival = Rival(game);
    const Long r = game.Draw(100);
    const Long s = game.Draw(rival.Skill);
    const std::vector<PlaceFishEntry>& place = game.place.PlaceFish;
    const Long p = game.Draw(Long(place.size()));
    // A place without species gives the rival nothing to catch.
    if (p >= 1 && p <= Long(place.size()) && place[std::size_t(p - 1)].Value >= r && s == 5) {
        const FishRecord& species = At(game.loaded.SpeciesList, place[std::size_t(p - 1)].SpeciesIndex, "SpeciesList");
        const Long min = species.MinWeight;
        Long w = Long(std::floor(double(species.MaxWeight - min) * game.Rnd())) + min;
        w = Long(std::floor(double(w - min) * game.Rnd())) + min;
        w = Long(std::floor(double(w - min) * game.Rnd())) + min;
        FishRecord& fish = Grow(duel.RivalCatch);
        fish.Name = species.Name;
        fish.Weight = w;
        scene.Duel_Console.addItem(rival.Name + " поймал " + species.Name + " " + Kilograms(game, w) + " кг");
    }
    if (duel.DuelTimeLeft != 0) return;
    Settle(game);
    duel.InDuel = false;
    scene.Duel_Console.Visible = false;
    scene.Duel_T.setEnabled(false);
    scene.Duel_Vremya.Visible = false;
    duel.RivalCatch.clear();
    scene.Frame_Winner.Visible = true;
}

}  // namespace klev
