#include "app/windows.h"

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
#include "shell/about.h"
#include "shell/form1.h"
#include "shell/my_studio.h"
#include "shell/source.h"
#include "tournaments/desk.h"
#include "tournaments/tour_form.h"
#include "tournaments/tur_result.h"

namespace klev {
namespace {

template <class W>
constexpr WindowKind Entry() {
    if constexpr (requires { W::StockTags; })
        return {W::Name, &MakeWindow<W>, W::StockTags};
    else
        return {W::Name, &MakeWindow<W>, {}};
}

constexpr WindowKind Windows[] = {
    Entry<About>(),       Entry<Form1>(),   Entry<MyStudio>(), Entry<Source>(),     Entry<SceneForm>(),
    Entry<Base>(),        Entry<Movie1>(),  Entry<ShopFr>(),   Entry<InvenFr>(),    Entry<Records>(),
    Entry<Fish_Ocenka>(), Entry<Fishery>(), Entry<Trofei>(),   Entry<Kafe>(),       Entry<Desk>(),
    Entry<Tour_Form>(),   Entry<Tur_Result>(),
    Entry<Shop_BuyDrink>(), Entry<Shop_BuyFood>(), Entry<Duel_Select>(),
};

}  // namespace

WindowTable GameWindows() { return Windows; }

}  // namespace klev
