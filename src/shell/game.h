#pragma once
// The one game object: shared state, every window (created on first use,
// never destroyed), the virtual clock and the platform services. Procedures
// take it by reference; several games may live in one process.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.h"
#include "forms/services.h"
#include "forms/timer_queue.h"
#include "shell/variables.h"

namespace klev {

class About;
class Form1;
class MyStudio;
class Source;
class SceneForm;
class Base;
class Movie1;
class ShopFr;
class InvenFr;
class Records;
class Fish_Ocenka;
class Fishery;
class Trofei;
class Kafe;
class Desk;
class Tour_Form;
class Tur_Result;

struct Services {
    forms::Random& random;
    forms::Dialogs& dialogs;
    forms::WavePlayer& wave;
    forms::Pictures& pictures;
    forms::Clock& clock;
};

struct GameConfig {
    std::filesystem::path gameFolder;
    // Stands for the operating system's folder of the first-run marker.
    std::filesystem::path systemFolder;
    // When set, what the game writes ("\Saves\...", "\Data\rec.cfg", "\conf.cfg")
    // lives here instead of in the game folder, which is then only read.
    std::filesystem::path playerFolder;
    char decimalSeparator = ',';
    int versionMajor = 0, versionMinor = 0, versionRevision = 0;
};

// The program's own version, set by the build.
GameConfig DefaultVersion(GameConfig config);

class Game {
public:
    Game(GameConfig config, Services services);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Variables vars;
    forms::TimerQueue timers;
    const GameConfig config;
    Services services;

    // Windows, created on first use.
    About& about();
    Form1& form1();
    MyStudio& myStudio();
    Source& source();
    SceneForm& sceneForm();
    Base& base();
    Movie1& movie1();
    ShopFr& shopFr();
    InvenFr& invenFr();
    Records& records();
    Fish_Ocenka& fishOcenka();
    Fishery& fishery();
    Trofei& trofei();
    Kafe& kafe();
    Desk& desk();
    Tour_Form& tourForm();
    Tur_Result& turResult();

    // Every window the game knows, by its own name; created on first use.
    // Null for a name the game does not know.
    forms::Form* formByName(std::string_view name);
    static const std::vector<std::string>& FormNames();
    // Windows created so far, in creation order.
    const std::vector<forms::Form*>& createdForms() const { return created_; }

    // A game-folder path as the game builds it ("\Data\rec.cfg"), resolved.
    std::filesystem::path path(std::string_view gamePath) const;
    // Real numbers as text in the user's locale.
    std::string numberText(double value) const;
    char sep() const { return config.decimalSeparator; }

    // Random draws: Rnd in [0,1); Randomize reseeds from the time of day;
    // Draw(n) is Int(Rnd * n) + 1.
    double Rnd() { return services.random.Rnd(); }
    void Randomize() { services.random.Randomize(); }
    Long Draw(Long n);

    // The game ends: every window goes away, no timer fires again.
    void End();
    bool ended() const { return ended_; }

    // The application starts: the splash is shown and its timer armed.
    void Start();

private:
    template <class F>
    F& lazy(std::unique_ptr<F>& slot);

    std::vector<forms::Form*> created_;
    bool ended_ = false;
    std::unique_ptr<About> about_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<MyStudio> myStudio_;
    std::unique_ptr<Source> source_;
    std::unique_ptr<SceneForm> sceneForm_;
    std::unique_ptr<Base> base_;
    std::unique_ptr<Movie1> movie1_;
    std::unique_ptr<ShopFr> shopFr_;
    std::unique_ptr<InvenFr> invenFr_;
    std::unique_ptr<Records> records_;
    std::unique_ptr<Fish_Ocenka> fishOcenka_;
    std::unique_ptr<Fishery> fishery_;
    std::unique_ptr<Trofei> trofei_;
    std::unique_ptr<Kafe> kafe_;
    std::unique_ptr<Desk> desk_;
    std::unique_ptr<Tour_Form> tourForm_;
    std::unique_ptr<Tur_Result> turResult_;
};

}  // namespace klev
