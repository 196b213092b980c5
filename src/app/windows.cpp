#include "app/windows.h"

#include "bar/duel.h"
#include "bar/duel_select.h"
#include "bar/kafe.h"
#include "bar/shop_buy_drink.h"
#include "bar/shop_buy_food.h"
#include "base/base_form.h"
#include "base/fish_ocenka.h"
#include "base/fishery.h"
#include "base/inven_fr.h"
#include "base/movie1.h"
#include "base/records_form.h"
#include "base/shop_fr.h"
#include "base/trofei.h"
#include "scene/scene_form.h"
#include "mainscreen/about.h"
#include "mainscreen/form1.h"
#include "mainscreen/my_studio.h"
#include "shell/source.h"
#include "tournaments/desk.h"
#include "tournaments/tour_form.h"
#include "tournaments/tur_result.h"
#include "tournaments/tournirs.h"

namespace klev {
namespace {

template <class W>
constexpr WindowKind Entry(std::unique_ptr<forms::Form> (*make)(Game&) = &MakeWindow<W>) {
    if constexpr (requires { W::StockTags; })
        return {W::Name, make, W::StockTags};
    else
        return {W::Name, make, {}};
}

// Timers of a window that drive a subsystem above it get their ticks here,
// where every folder is known: the window's own folder stays below.
std::unique_ptr<forms::Form> MakeForm1(Game& game) {
    auto form = std::make_unique<Form1>(game);
    form->Sobitia.setOnTick([&game] { TournamentCycle(game); });
    return form;
}

std::unique_ptr<forms::Form> MakeMovie1(Game& game) {
    auto movie = std::make_unique<Movie1>(game);
    movie->openPub = [&game] { OpenBar(game); };
    return movie;
}

std::unique_ptr<forms::Form> MakeSceneForm(Game& game) {
    auto scene = std::make_unique<SceneForm>(game);
    scene->Tur_T.setOnTick([&game] { TournamentTick(game); });
    scene->Duel_T.setOnTick([&game] { DuelTick(game); });
    return scene;
}

constexpr WindowKind Windows[] = {
    Entry<About>(),       Entry<Form1>(&MakeForm1),   Entry<MyStudio>(), Entry<Source>(),     Entry<SceneForm>(&MakeSceneForm),
    Entry<Base>(),        Entry<Movie1>(&MakeMovie1),  Entry<ShopFr>(),   Entry<InvenFr>(),    Entry<Records>(),
    Entry<Fish_Ocenka>(), Entry<Fishery>(), Entry<Trofei>(),   Entry<Kafe>(),       Entry<Desk>(),
    Entry<Tour_Form>(),   Entry<Tur_Result>(),
    Entry<Shop_BuyDrink>(), Entry<Shop_BuyFood>(), Entry<Duel_Select>(),
};

}  // namespace

WindowTable GameWindows() { return Windows; }

}  // namespace klev
