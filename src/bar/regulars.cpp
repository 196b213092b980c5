#include "bar/regulars.h"

#include <cmath>

#include "model/fatal_error.h"
#include "shell/game.h"
#include "shell/weight_text.h"

namespace klev {
namespace {

// What a line of a regular's table looks at, and the action its drunk
// branch comes with.
enum class Test { Always, Stranger, DrunkAbove, DrunkAtMost, FishStory };
enum class Act { None, ThrowUp, Eyes };

// One row: Always says `first`; Stranger says `first` to a player he does
// not respect (Attitude < 100), else `second`; DrunkAbove says `first` (and
// acts) when his drunkenness is above `limit`, else `second`; DrunkAtMost
// says `first` when it is at most `limit`, else `second` (and acts).
struct Line {
    Test test;
    const char* first = "";
    const char* second = "";
    Long limit = 0;
    Act act = Act::None;
};

struct Regular {
    int index;  // 1..4
    Long bubbleTop, bubbleLeft;
    Long modes;
    Long sleepsAbove;
    Long puddleLeft, puddleTopBase;
    const char* storyPrefix;
    Line lines[10];
};

const Regular Bumber{1, 3720, 240, 10, 100, 1080, 5160, "Пацаны я вчера поймал ",
                     {
                         {Test::Always, "Дросс, борода ты немытая, вали отсюда!"},
                         {Test::Always, "Щас нажрусь"},
                         {Test::Stranger, "Чего-то я тебя не узнаю", "Здарова! не купишь выпивки?"},
                         {Test::Stranger, "Это кто?", "Ну рассказывай кого поймал?"},
                         {Test::Stranger, "Это кто?", "Ну рассказывай кого поймал?"},
                         {Test::Stranger, "Я тебя раньше видел?", "Пацаны! б.я. Пиви хочу!"},
                         {Test::FishStory},
                         {Test::DrunkAbove, "Б.Я! ЭЭЭЭЭЭЭЭ ССУУУУ...", "Станно, я еще трезвый", 60},
                         {Test::DrunkAtMost, "ОХо хо хо хо!", "АХУ.. ВАЫПЫВАЫ.... ГРЫМ!", 80},
                         {Test::DrunkAbove, "ЭЭЭЭЭЭЭЭЭЭ", "Меня тошнит", 80, Act::ThrowUp},
                     }};

const Regular Lipot{2, 1800, 5280, 10, 70, 6240, 3360, "Пацаны я вчера поймал ",
                    {
                        {Test::Always, "Может не будем сегодня водку пить?"},
                        {Test::Always, "Я приво возьму"},
                        {Test::Stranger, "Мы с тобой вроде еще не пили", "Привет! Присоединяйся"},
                        {Test::Stranger, "Кто это пришел?", "Ну как сегодня клев?"},
                        {Test::Stranger, "На рыбалку охота", "Может по виски?"},
                        {Test::Stranger, "С тобой я пить не буду", "Бумбер, ты толстый говнюк!"},
                        {Test::FishStory},
                        {Test::DrunkAbove, "Ну чт.. чт... тоесть выпи.. выпе.. ммм бл.", "я больше не хочу пить!", 40},
                        {Test::DrunkAtMost, "Хе меня даже не берет!", "А,еть. Фаталити! ли ти б.ля", 60},
                        {Test::DrunkAbove, "ЭЫОООО!!!!!!!", "Меня тошнит", 55, Act::ThrowUp},
                    }};

const Regular Dross{3, 2520, 3720, 10, 50, 5400, 3960, "я вчера поймал ",
                    {
                        {Test::Always, "Где бы денег срубить"},
                        {Test::Always, "Бумбер ты сволочь жирная!"},
                        {Test::Stranger, "Привет! Я Дросс", "Привет! Присоединяйся"},
                        {Test::Stranger, "Как тебя зовут?", "Говорили что сегодня хорошо клюет на озере"},
                        {Test::Stranger, "Это еще кто?", "Может по виски?"},
                        {Test::Stranger, "С тобой я пить не буду", "Бумбер, ты толстый говнюк!"},
                        {Test::FishStory},
                        {Test::DrunkAtMost, "Я ничего не понимаю", "Нет нет я больше не пью! щас блевану!", 30},
                        {Test::DrunkAtMost, "Уфф!", "О боже мой они убили Хумпи!!!", 40},
                        {Test::DrunkAbove, "УЭЭЭОО!!!!!!!", "Меня тошнит", 40, Act::ThrowUp},
                    }};

// Хумпи only mumbles: seven modes, no fish story.
const Regular Humpi{4, 3240, 2160, 7, 30, 3000, 4680, "",
                    {
                        {Test::Always, "ням ням ням"},
                        {Test::Always, "умбр сасранец!"},
                        {Test::Always, "Хумпи!"},
                        {Test::DrunkAbove, "аа ыва ы ццуц фчс ", "аааа ееее ыыыы ааа", 5},
                        {Test::DrunkAtMost, "хххххххх", "ууууууууу", 15},
                        {Test::DrunkAtMost, "хххххххх", "где я?", 20, Act::Eyes},
                        {Test::DrunkAbove, "ОЫЫЫЫ", "хххххххх", 20, Act::ThrowUp},
                    }};

constexpr Long PuddleFloor = 5400;
constexpr Long PuddleStep = 100;

RegularRecord& Record(Game& game, int index) { return game.save.Regulars[index - 1]; }

void Say(Game& game, const std::string& line) { game.bar.Speech = line; }

// Drunk regulars exaggerate: above 10 the catch grows by drunkenness / 10.
void FishStory(Game& game, const Regular& who) {
    game.Randomize();
    const Long drunkenness = Record(game, who.index).Drunkenness;
    const double factor = drunkenness > 10 ? double(drunkenness) / 10 : 1.0;
    const Long s = game.Draw(Long(game.loaded.SpeciesList.size()));
    const FishRecord& species = At(game.loaded.SpeciesList, s, "SpeciesList");
    const double span = factor * double(species.MaxWeight) - double(species.MinWeight);
    const Long w = Long(std::floor(span * game.Rnd())) + species.MinWeight;
    Say(game, who.storyPrefix + species.Name + " " + WeightText(game, w));
}

// Puddles under the speaker, 120 twips apart, while the 1..3 draw is odd.
void ThrowUp(Game& game, const Regular& who) {
    Long y = 1;
    Long r = 0;
    do {
        y += 120;
        game.bar.Puddles.push_back({who.puddleLeft, y + who.puddleTopBase});
        r = game.Draw(3);
    } while (r == 1 || r == 3);
    Record(game, who.index).Drunkenness -= 20;
}

void Eyes(Game& game) {
    game.bar.EyesShown = true;
    game.bar.EyeColor = game.Draw(99999);
}

void Speak(Game& game, const Regular& who) {
    BarState& bar = game.bar;
    bar.SpeechTop = who.bubbleTop;
    bar.SpeechLeft = who.bubbleLeft;
    game.Randomize();
    const Long mode = game.Draw(who.modes);
    const RegularRecord& me = Record(game, who.index);
    if (me.Drunkenness > who.sleepsAbove) {
        Say(game, "Zzz Zzz");
        return;
    }
    const Line& line = who.lines[mode - 1];
    bool acts = false;
    switch (line.test) {
    case Test::Always: Say(game, line.first); break;
    case Test::Stranger: Say(game, me.Attitude < 100 ? line.first : line.second); break;
    case Test::DrunkAbove:
        acts = me.Drunkenness > line.limit;
        Say(game, acts ? line.first : line.second);
        break;
    case Test::DrunkAtMost:
        acts = me.Drunkenness > line.limit;
        Say(game, acts ? line.second : line.first);
        break;
    case Test::FishStory: FishStory(game, who); break;
    }
    if (!acts) return;
    if (line.act == Act::ThrowUp) ThrowUp(game, who);
    if (line.act == Act::Eyes) Eyes(game);
}

}  // namespace

void Bumber_AI(Game& game) { Speak(game, Bumber); }
void Lipot_AI(Game& game) { Speak(game, Lipot); }
void Dross_AI(Game& game) { Speak(game, Dross); }
void Humpi_AI(Game& game) { Speak(game, Humpi); }

void ChooseSpeaker(Game& game) {
    game.Randomize();
    const Long t = game.Draw(100);
    const Long k = game.Draw(4);
    const Long b = game.Draw(100 - Record(game, int(k)).Drunkenness);
    if (b >= t) return;
    switch (k) {
    case 1: Bumber_AI(game); break;
    case 2: Lipot_AI(game); break;
    case 3: Dross_AI(game); break;
    default: Humpi_AI(game); break;
    }
}

void SlidePuddles(Game& game) {
    BarState& bar = game.bar;
    const Long count = Long(bar.Puddles.size());
    if (count <= bar.FirstSlidingPuddle) return;
    // The bounds are taken once; the first sliding puddle moves on inside.
    const Long from = bar.FirstSlidingPuddle;
    if (from < 1) return;  // the bar has never been opened
    for (Long i = from; i <= count; ++i) {
        Puddle& p = bar.Puddles[std::size_t(i - 1)];
        p.Top += PuddleStep;
        if (p.Top >= PuddleFloor) {
            p.Top = bar.Puddles[std::size_t(bar.FirstSlidingPuddle - 1)].Top;
            ++bar.FirstSlidingPuddle;
        }
    }
}

}  // namespace klev
