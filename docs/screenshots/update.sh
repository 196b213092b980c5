#!/usr/bin/env bash
# Takes the screenshots of this folder afresh (tools/screenshot, one run each).
# Usage: docs/screenshots/update.sh [NAME...]   (default: all)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
shot=$here/../../tools/screenshot
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name  seconds  commands (";" between them) -- the map shows at about 2 s.
shots=(
  "splash         1.2 "
  "name_prompt    3.5 "
  "map            4   "
  "map_next       5   wait 3000;click Form1.Label4"
  "credits        5   wait 3000;move Form1.Label6;click Form1.Label6"
  "place          5   wait 3000;click Form1.PScene(1)"
  "base           5   wait 3000;click Form1.Butt_base"
  "transition     4.4 wait 3000;click Form1.Butt_base;click Base.But_shop"
  "shop           7   wait 3000;click Form1.Butt_base;click Base.But_shop"
  "base_hover     5   wait 3000;click Form1.Butt_base;move Base.But_Order"
  "shop_lures     7   wait 3000;click Form1.Butt_base;click Base.But_shop;wait 1800;click ShopFr.Razdel_B(3);select ShopFr.List_Bles 0"
  "bar            7   wait 3000;click Form1.Butt_base;click Base.but_pub"
  "fishery        7   wait 3000;click Form1.Butt_base;click Base.but_fishery"
  "evaluation     6   wait 3000;click Form1.Butt_base;click Base.but_oc"
  "notice_board   6   wait 3000;click Form1.Butt_base;click Base.But_Order"
  "inventory      6   wait 3000;click Form1.Butt_base;click Base.Image1"
  "inventory_rigged 6 wait 3000;click Form1.Butt_base;click Base.Image1"
  "inventory_lure 9   wait 3000;click Form1.Butt_base;click Base.But_shop;wait 1800;click ShopFr.Razdel_B(3);select ShopFr.List_Bles 0;dblclick ShopFr.List_Bles;select ShopFr.List_Select 0;click ShopFr.Label5;click Form1.Butt_base;click Base.Image1;down InvenFr.Label1 10 10;select InvenFr.List1 0"
  "caught_fish    6   wait 3000;click Form1.Butt_base;click Base.Image2"
  "records        6   wait 3000;click Form1.Butt_base;click Base.Label1"
  "scene_inventory 6  wait 3000;click Form1.PScene(1);click SceneForm.Image3"
  "scene_cast     12  wait 2600;click Form1.Butt_base;click Base.But_shop;wait 1800;select ShopFr.List_Sp 1;dblclick ShopFr.List_Sp;click ShopFr.Razdel_B(1);select ShopFr.List_Leska 0;dblclick ShopFr.List_Leska;click ShopFr.Razdel_B(2);select ShopFr.List_Nas 2;dblclick ShopFr.List_Nas;click ShopFr.Label5;click Form1.Butt_base;click Base.Image1;down InvenFr.But_SP 10 10;select InvenFr.List1 0;down InvenFr.Label2 10 10;select InvenFr.List1 0;down InvenFr.Label3 10 10;select InvenFr.List1 0;click InvenFr.Label5;click Base.Image3;click Form1.PScene(2);wait 500;keypress SceneForm 32;wait 900"
  "scene_help     13  wait 2600;click Form1.Butt_base;click Base.But_shop;wait 1800;select ShopFr.List_Sp 1;dblclick ShopFr.List_Sp;click ShopFr.Razdel_B(1);select ShopFr.List_Leska 0;dblclick ShopFr.List_Leska;click ShopFr.Razdel_B(2);select ShopFr.List_Nas 2;dblclick ShopFr.List_Nas;click ShopFr.Label5;click Form1.Butt_base;click Base.Image1;down InvenFr.But_SP 10 10;select InvenFr.List1 0;down InvenFr.Label2 10 10;select InvenFr.List1 0;down InvenFr.Label3 10 10;select InvenFr.List1 0;click InvenFr.Label5;click Base.Image3;click Form1.PScene(2);wait 500;keypress SceneForm 32;wait 900;move SceneForm.Image5"
  "fatal_error    3.5 "
  "bar_talk       13  wait 2600;click Form1.Butt_base;click Base.but_pub;wait 1800;click Kafe.But_All;dblclick Shop_BuyDrink.Image1;click Kafe.But_All;dblclick Shop_BuyDrink.Image1;click Kafe.But_All;dblclick Shop_BuyDrink.Image1;click Kafe.But_All;dblclick Shop_BuyDrink.Image1;rnd 0.995 0.875 0.5 0.8 0.5 0.995 0.875 0.5 0.95 0.1 0.9 0.5;move Kafe.Label7"
  "bar_chooser    7   wait 2600;click Form1.Butt_base;click Base.but_pub;wait 1800;move Kafe.But_Duel;click Kafe.But_Duel"
  "bar_drinks     7   wait 2600;click Form1.Butt_base;click Base.but_pub;wait 1800;click Kafe.But_All;move Shop_BuyDrink.Image13"
  "bar_food       7   wait 2600;click Form1.Butt_base;click Base.but_pub;wait 1800;click Kafe.But_Din;move Shop_BuyFood.Image5"
  "bar_passed_out 9   wait 2600;click Form1.Butt_base;click Base.but_pub;wait 1800;click Kafe.But_Buy;dblclick Shop_BuyDrink.Image10;click Kafe.But_Buy;dblclick Shop_BuyDrink.Image10;click Kafe.But_Buy;dblclick Shop_BuyDrink.Image8"
  "duel_setup     7   wait 2600;click Form1.Butt_base;click Base.but_pub;wait 1800;click Kafe.But_Duel;click Kafe.Lb_Select(3);move Duel_Select.Label4"
  "duel_scene     12  wait 2600;click Form1.Butt_base;click Base.but_pub;wait 1800;click Kafe.But_Duel;click Kafe.Lb_Select(3);click Duel_Select.Label4;rnd 0 0.15 0.1 0.5 0.5 0.5 0 0.15 0.5 0.9 0.9 0.9 0 0.15 0.9 0.2 0.5 0.5;click Form1.PScene(1)"
  "duel_result    112 wait 2600;click Form1.Butt_base;click Base.but_pub;wait 1800;click Kafe.But_Duel;click Kafe.Lb_Select(3);settext Duel_Select.Duel_T колличество;click Duel_Select.Label4;rnd 0 0.15 0.1 0.5 0.5 0.5 0 0.15 0.5 0.9 0.9 0.9;click Form1.PScene(1)"
  # The first tournament opens 300 s after the map shows: these take minutes.
  "tournament_board   306 wait 3000;click Form1.Butt_base;click Base.But_Order;wait 299000;move Desk.Tour_Info"
  "tournament_entry   308 wait 3000;click Form1.Butt_base;click Base.But_Order;wait 299000;click Desk.Tour_Info"
  "tournament_scene   345 wait 3000;click Form1.Butt_base;click Base.But_Order;wait 299000;click Desk.Tour_Info;click Tour_Form.Label3"
  "tournament_result  608 wait 3000;click Form1.Butt_base;click Base.But_Order;wait 299000;click Desk.Tour_Info;click Tour_Form.Label3"
)
for entry in "${shots[@]}"; do
    read -r name seconds commands <<< "$entry"
    if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
    tr ';' '\n' <<< "${commands:-}" > "$work/$name.txt"
    if [ "$name" = name_prompt ]; then
        KLEV_NAME= "$shot" "$here/$name.png" "$seconds" "$work/$name.txt" > /dev/null 2>&1
    elif [ "$name" = inventory_rigged ]; then
        KLEV_SAVE="$here/saves/rigged.cfg" "$shot" "$here/$name.png" "$seconds" "$work/$name.txt" > /dev/null 2>&1
    elif [[ "$name" = duel_* ]]; then
        KLEV_SAVE="$here/saves/friends.cfg" "$shot" "$here/$name.png" "$seconds" "$work/$name.txt" > /dev/null 2>&1
    elif [ "$name" = fatal_error ]; then
        KLEV_DELETE='Data/Maps/Info.inf' "$shot" "$here/$name.png" "$seconds" "$work/$name.txt" > /dev/null 2>&1
    else
        "$shot" "$here/$name.png" "$seconds" "$work/$name.txt" > /dev/null 2>&1
    fi
    echo "$name.png"
done
