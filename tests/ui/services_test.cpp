// The desktop services (input box and message box in Russian, wave player)
// and unattended play.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <fstream>

#include "shell/game.h"
#include "test_game.h"
#include "ui/autoplay.h"
#include "ui/control_view.h"
#include "ui/game_host.h"
#include "ui/qt_services.h"
#include "ui_support.h"

namespace {

using testing_support::TestGame;
using ui_test::App;

// Runs `inspect` on the modal dialog as soon as it is open.
template <class Dialog>
void WhenOpen(std::function<void(Dialog&)> inspect) {
    QTimer::singleShot(0, [inspect] {
        auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr) << "no dialog open";
        inspect(*d);
    });
}

QStringList ButtonTexts(QWidget& dialog) {
    QStringList out;
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) out << b->text().remove('&');
    return out;
}

TEST(QtDialogs, TheInputBoxAsksInRussianAndGivesTheAnswer) {
    ASSERT_TRUE(ui::LoadRussianTranslation(App()));
    ui::QtDialogs dialogs;
    int before = 0;
    dialogs.setBeforeModal([&] { ++before; });
    QString title, label;
    QStringList buttons;
    WhenOpen<QInputDialog>([&](QInputDialog& d) {
        title = d.windowTitle();
        label = d.labelText();
        buttons = ButtonTexts(d);
        d.setTextValue(" Вася ");
        d.accept();
    });
    EXPECT_EQ(dialogs.InputBox("Введите свое имя", "Клевница 2", ""), std::optional<std::string>(" Вася "));
    EXPECT_EQ(title, QString("Клевница 2"));
    EXPECT_EQ(label, QString("Введите свое имя"));
    EXPECT_TRUE(buttons.contains("Отмена")) << buttons.join(",").toStdString();
    EXPECT_EQ(before, 1);

    WhenOpen<QInputDialog>([](QInputDialog& d) { d.reject(); });
    EXPECT_EQ(dialogs.InputBox("Введите свое имя", "Клевница 2", ""), std::nullopt);
    EXPECT_EQ(before, 2);
}

TEST(QtDialogs, AQueuedAnswerIsGivenWithoutADialog) {
    App();
    ui::QtDialogs dialogs;
    int before = 0;
    dialogs.setBeforeModal([&] { ++before; });
    dialogs.queueAnswer("Петя");
    EXPECT_EQ(dialogs.InputBox("Введите свое имя", "Клевница 2", ""), std::optional<std::string>("Петя"));
    EXPECT_EQ(before, 0);
}

TEST(QtDialogs, AnErrorMessageBoxShowsTheErrorIcon) {
    ASSERT_TRUE(ui::LoadRussianTranslation(App()));
    ui::QtDialogs dialogs;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text, title;
    WhenOpen<QMessageBox>([&](QMessageBox& box) {
        icon = box.icon();
        text = box.text();
        title = box.windowTitle();
        box.accept();
    });
    dialogs.MsgBox("Ошибка при сохранении игры", forms::MessageIcon::Error, "Клевница 2");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(text, QString("Ошибка при сохранении игры"));
    EXPECT_EQ(title, QString("Клевница 2"));

    WhenOpen<QMessageBox>([&](QMessageBox& box) {
        icon = box.icon();
        box.accept();
    });
    dialogs.MsgBox("Готово", forms::MessageIcon::None, "Клевница 2");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

// Whether a library whose file name contains `name` is loaded in this process.
bool Loaded(const std::string& name) {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find(name) != std::string::npos) return true;
    return false;
}

TEST(QtWavePlayer, AMissingFileIsSilenceAndPlayNeverWaitsTheSoundModuleLoadsWithTheFirstSound) {
    App();
    // Run with the other tests in one process, an earlier test may have
    // played a sound already; CTest runs each test alone.
    const bool loadedBefore = Loaded("libQt6Multimedia");
    testing_support::TestFolder folder;
    ui::QtWavePlayer player;
    player.Open(folder.game() / "sound" / "nothing.wav");
    EXPECT_TRUE(player.opened().empty());
    player.Play();
    if (!loadedBefore) EXPECT_FALSE(Loaded("libQt6Multimedia")) << "no sound played yet";

    player.Open(folder.game() / "sound" / "fon1.wav");  // a file, but no real wave
    EXPECT_EQ(player.opened(), folder.game() / "sound" / "fon1.wav");
    // No sound server: one line of ours at most reaches the terminal.
    qputenv("PULSE_SERVER", "unix:/nonexistent");
    static std::vector<std::string> logged;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& m) { logged.push_back(m.toStdString()); });
    player.Play();
    qInstallMessageHandler(previous);
    ASSERT_LE(logged.size(), 1u);
    if (!logged.empty()) EXPECT_EQ(logged[0], "klevnitsa: no sound output, playing silently");
    EXPECT_TRUE(Loaded("libklevnitsa_sound.so"));
    EXPECT_TRUE(Loaded("libQt6Multimedia"));
    player.Close();
    EXPECT_TRUE(player.opened().empty());
    player.Play();  // closed: nothing to play
}

struct Played {
    Played() : host((App(), t.game()), [this] { return std::chrono::milliseconds(now); }) {
        t.run("answer Вася\n");
        host.start();
        now = 2000;
        host.pump();
    }
    ui::Autoplay autoplay(std::vector<std::string> lines = {}) {
        return ui::Autoplay(host, std::move(lines), [this](std::string a) { answers.push_back(a); }, 250);
    }
    TestGame t;
    std::int64_t now = 0;
    ui::GameHost host;
    std::vector<std::string> answers;
};

TEST(Autoplay, CommandsReachTheGameAsThePlayersInputWould) {
    Played p;
    ui::Autoplay a = p.autoplay();
    EXPECT_EQ(a.execute("click Form1.Label4"), 250);
    EXPECT_EQ(p.t.print("Form1.Label1.Caption"), "Река");
    EXPECT_EQ(p.host.window("Form1")->view("Label1")->shownCaption(), QString("Река")) << "the screen follows";

    EXPECT_EQ(a.execute("wait 1500"), 1500);
    EXPECT_EQ(a.execute("# a note"), 0);
    EXPECT_EQ(a.execute("answer Иван Петрович"), 0);
    EXPECT_EQ(p.answers, std::vector<std::string>{"Иван Петрович"});

    a.execute("move Form1.Label5");
    EXPECT_EQ(p.t.print("Form1.Label5.FontBold"), "true");
    a.execute("move Form1");
    EXPECT_EQ(p.t.print("Form1.Label5.FontBold"), "false");

    a.execute("click Form1.PScene(2)");
    EXPECT_EQ(p.t.print("PlaceNumber"), "2");
    EXPECT_EQ(p.t.print("Form1.Visible"), "false");
    EXPECT_TRUE(p.host.window("SceneForm")->isVisible());
}

TEST(Autoplay, FaultyLinesAreRefusedAndQuitEndsTheRun) {
    Played p;
    ui::Autoplay a = p.autoplay();
    EXPECT_THROW(a.execute("jump Form1.Label4"), std::runtime_error);
    EXPECT_THROW(a.execute("click Form1.NoSuchLabel"), std::runtime_error);
    EXPECT_THROW(a.execute("click Shop.Label1"), std::runtime_error);
    EXPECT_THROW(a.execute("wait soon"), std::runtime_error);
    EXPECT_THROW(a.execute("click Form1.PScene(x)"), std::runtime_error);
    EXPECT_FALSE(p.host.finished());
    a.execute("quit");
    EXPECT_TRUE(p.host.finished());
    EXPECT_EQ(p.host.exitCode(), 0);
    EXPECT_TRUE(p.t.folder.read("Saves/Вася/vrb.cfg").empty()) << "quit saves nothing";
}

TEST(Autoplay, RandomValuesGoToTheRunsGeneratorWhenItTakesThem) {
    Played p;
    std::vector<double> queued;
    ui::Autoplay a(p.host, {}, [](std::string) {}, 250, [&queued](double v) { queued.push_back(v); });
    EXPECT_EQ(a.execute("rnd 0.5 0 0.999"), 0);
    EXPECT_EQ(queued, (std::vector<double>{0.5, 0, 0.999}));
    EXPECT_THROW(a.execute("rnd 1"), std::runtime_error);
    EXPECT_THROW(a.execute("rnd half"), std::runtime_error);
    EXPECT_THROW(p.autoplay().execute("rnd 0.5"), std::runtime_error) << "a run without scripted numbers";
}

TEST(Autoplay, ScriptLinesAreReadWithoutLineEnds) {
    testing_support::TestFolder folder;
    folder.writeBytes("script.txt", "click Form1.Label4\r\nwait 300\n\nsettext X.Y a b\n");
    EXPECT_EQ(ui::ReadScriptLines((folder.game() / "script.txt").string()),
              (std::vector<std::string>{"click Form1.Label4", "wait 300", "", "settext X.Y a b"}));
}

}  // namespace
