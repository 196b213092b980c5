#include "tournaments/tournirs.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "data/map_files.h"
#include "data/numbers.h"
#include "scene/scene_form.h"
#include "scene/tackle.h"
#include "mainscreen/form1.h"
#include "base/inventory.h"
#include "shell/game.h"
#include "scene/place.h"
#include "tournaments/desk.h"
#include "tournaments/tour_form.h"
#include "tournaments/tur_result.h"

namespace klev {
namespace {

// The target must be at least this abundant at the tournament place.
constexpr Long TargetAbundance = 10;

// Int(Rnd * n): a draw from 0 to n - 1.
Long DrawBelow(Game& game, Long n) { return Long(std::floor(game.Rnd() * double(n))); }

// The offer on the board: the state and the bill that shows it.
void SetOffer(Game& game, bool open) {
    game.tournament.TournamentOffered = open;
    game.window<Desk>().Tour_Info.Visible = open;
}

std::string Kilograms(const Game& game, Long grams) { return game.numberText(double(grams) / 1000.0); }

}  // namespace

void TournamentCycle(Game& game) {
    TournamentState& t = game.tournament;
    const Long old = t.TournamentCountdown;
    t.TournamentCountdown = old + 1;
    if (old == 299 && OpenTournament(game)) {
        ShowInfo(game, "Открыт турнир!");
        game.window<Form1>().Info.Caption =
            "Открыт турнир! Для участия посмотрите доску объявлений на Рыболовной Базе";
    }
    if (t.TournamentCountdown == 400) {
        SetOffer(game, false);
        game.window<Form1>().Info.Caption = "";
        t.TournamentCountdown = 1;
    }
}

bool OpenTournament(Game& game) {
    TournamentState& t = game.tournament;
    SetOffer(game, false);
    game.Randomize();
    for (RegularRecord& regular : game.save.Regulars) {
        regular.Catch.clear();
        regular.BestWeight = 0;
    }
    t.TournamentTimeLeft = 300;
    // A duel being played writes its catches to the same console.
    if (!game.duel.InDuel) game.window<SceneForm>().Duel_Console.clear();

    const std::vector<MapInfo>& maps = game.loaded.MapList;
    const Long map = DrawBelow(game, Long(maps.size())) + 1;
    if (maps.empty()) return false;
    const MapInfo& drawnMap = At(maps, map, "MapList");
    const Long place = DrawBelow(game, Long(drawnMap.Places.size())) + 1;
    if (drawnMap.Places.empty()) return false;
    t.TournamentPlace = place;
    t.TournamentMap = map;
    t.TournamentPrize = DrawBelow(game, 270) + 50;

    const std::string shown = data::PlaceFolder(drawnMap.Folder, place) + "\\Conf.cfg";
    t.TournamentFishList =
        data::ReadPlaceConfig(game.path(shown), shown, game.loaded.SpeciesList, game.sep()).fish;
    // Without a species abundant enough the target could never be drawn.
    const auto& list = t.TournamentFishList;
    if (std::none_of(list.begin(), list.end(), [](const PlaceFishEntry& e) { return e.Value >= TargetAbundance; }))
        return false;
    Long k = 0;
    do {
        k = DrawBelow(game, Long(list.size())) + 1;
    } while (At(list, k, "TournamentFishList").Value < TargetAbundance);
    t.TournamentFish = At(game.loaded.SpeciesList, At(list, k, "TournamentFishList").SpeciesIndex, "SpeciesList").Name;

    Tour_Form& form = game.window<Tour_Form>();
    form.Tur_Fish.Caption = "Рыба: " + t.TournamentFish;
    form.Tour_Prize.Caption = "Приз: " + data::IntText(t.TournamentPrize) + " $";
    SetOffer(game, true);
    return true;
}

void EnterTournament(Game& game) {
    TournamentState& t = game.tournament;
    Tour_Form& form = game.window<Tour_Form>();
    // The keep-net is checked first, whatever the state of the offer.
    if (!game.save.CaughtFish.empty()) {
        form.info.Caption = "Продай или выпусти всю рыбу";
        return;
    }
    // A withdrawn offer, or one already taken (the window stays open through
    // the contest and after it), cannot be entered: the contest would start
    // again with no time left and never end.
    if (!t.TournamentOffered) return;
    // Duel and tournament would share the console and the scene.
    if (game.duel.InDuel) {
        form.info.Caption = "Сначала закончи дуэль";
        return;
    }
    SceneForm& scene = game.window<SceneForm>();
    scene.Sound_T.setEnabled(true);
    scene.popl[0].Visible = false;
    scene.popl[1].Visible = false;
    scene.SLED.Visible = false;
    Form1& map = game.window<Form1>();
    map.Sobitia.setEnabled(false);
    t.InTournament = true;
    map.SwitchMapTo(t.TournamentMap);
    scene.Tur_T.setEnabled(true);
    SetOffer(game, false);
    scene.Duel_Console.Visible = true;
    scene.Duel_Vremya.Visible = true;
    game.place.PlaceNumber = t.TournamentPlace;
    OpenPlace(game);
    UpdateRodVisibility(game);
    MarkRigButtons(game);
}

void TournamentTick(Game& game) {
    TournamentState& t = game.tournament;
    t.TournamentTimeLeft -= 1;
    game.window<SceneForm>().Duel_Vremya.Caption = data::IntText(t.TournamentTimeLeft);
    SimulateRivalCatch(game);
    if (t.TournamentTimeLeft == 0) FinishTournament(game);
}

void SimulateRivalCatch(Game& game) {
    game.Randomize();
    const Long a = game.Draw(3);
    const Long b = game.Draw(100);
    const Long k = game.Draw(4);
    const Long d = game.Draw(100);
    const std::vector<PlaceFishEntry>& fish = game.place.PlaceFish;
    const Long e = game.Draw(Long(fish.size()));
    if (a != 3) return;
    RegularRecord& regular = game.save.Regulars[k - 1];
    if (regular.Skill > b) return;
    // A place without species has nothing to catch.
    if (fish.empty() || At(fish, e, "PlaceFish").Value < d) return;

    const FishRecord& species = At(game.loaded.SpeciesList, At(fish, e, "PlaceFish").SpeciesIndex, "SpeciesList");
    const Long min = species.MinWeight;
    const Long w1 = min + DrawBelow(game, species.MaxWeight - min);
    const Long w2 = min + DrawBelow(game, w1 - min);
    const Long weight = min + DrawBelow(game, w2 - min);
    FishRecord& caught = Grow(regular.Catch);
    caught.Name = species.Name;
    caught.Weight = weight;
    game.window<SceneForm>().Duel_Console.addItem(regular.Name + " поймал " + species.Name + " весом " +
                                                  Kilograms(game, weight) + " кг");
}

void FinishTournament(Game& game) {
    TournamentState& t = game.tournament;
    RegularRecord* regulars = game.save.Regulars;
    for (int k = 0; k < 4; ++k)
        for (const FishRecord& fish : regulars[k].Catch)
            if (fish.Name == t.TournamentFish && fish.Weight > regulars[k].BestWeight)
                regulars[k].BestWeight = fish.Weight;
    Long playerBest = 0;
    for (const FishRecord& fish : game.save.CaughtFish)
        if (fish.SpeciesName == t.TournamentFish && fish.Weight > playerBest) playerBest = fish.Weight;
    // The leader needs more than 1 g; on equal weights the lower number leads.
    Long best = 1;
    int leader = 0;
    for (int k = 1; k <= 4; ++k)
        if (regulars[k - 1].BestWeight > best) {
            best = regulars[k - 1].BestWeight;
            leader = k;
        }

    Tur_Result& result = game.window<Tur_Result>();
    for (int k = 1; k <= 4; ++k) {
        const RegularRecord& regular = regulars[k - 1];
        std::string line =
            regular.Name + ": " + t.TournamentFish + " " + Kilograms(game, regular.BestWeight) + " кг";
        if (k == leader && regular.BestWeight > playerBest) line += " -Победа";
        result.Igrok[k].Caption = line;
    }
    const bool won = playerBest > 1 && (leader == 0 || regulars[leader - 1].BestWeight < playerBest);
    std::string mark;
    if (won) {
        mark = " -Победитель";
        game.save.PlayerMoney = data::AddMoney(game.save.PlayerMoney, double(t.TournamentPrize));
    }
    result.Igrok[0].Caption = "Твой Результат: " + t.TournamentFish + " " + Kilograms(game, playerBest) + " кг " + mark;
    result.Show();

    SceneForm& scene = game.window<SceneForm>();
    scene.Tur_T.setEnabled(false);
    scene.Duel_Console.Visible = false;
    scene.Duel_Vremya.Visible = false;
    t.InTournament = false;
    t.TournamentCountdown = 399;
    game.window<Form1>().Sobitia.setEnabled(true);
}

}  // namespace klev
