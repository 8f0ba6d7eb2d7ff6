// The colour dialog: what it shows, choosing colours, the order in which OK writes, applies and
// stores them, and Cancel leaving everything as it was.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/module1.h"
#include "dialogs/frm_prefe.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::frmPrefe;
using quopa::frmQUOPA;
namespace pal = rt::palette;

// Writes every colour change of a control (or a form) into a shared log as "name.Back" /
// "name.Fore".
class ColourLog : public rt::Peer {
  public:
    ColourLog(rt::Control& c, std::vector<std::string>& log)
        : control_(&c), name_(label(c)), log_(log) {
        c.setPeer(this);
    }
    ColourLog(rt::Form& f, std::vector<std::string>& log) : form_(&f), name_(f.name()), log_(log) {
        f.setPeer(this);
    }
    ~ColourLog() override {
        if (control_) control_->setPeer(nullptr);
        if (form_) form_->setPeer(nullptr);
    }
    void changed(rt::Property p) override {
        if (p == rt::Property::BackColor) log_.push_back(name_ + ".Back");
        if (p == rt::Property::ForeColor) log_.push_back(name_ + ".Fore");
    }

  private:
    static std::string label(const rt::Control& c) {
        return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
    }
    rt::Control* control_ = nullptr;
    rt::Form* form_ = nullptr;
    std::string name_;
    std::vector<std::string>& log_;
};

// The settings store that writes its saves into the same log.
class LoggingSettings : public rt::SettingsStore {
  public:
    LoggingSettings(rt::SettingsStore& inner, std::vector<std::string>& log)
        : inner_(inner), log_(log) {}
    std::optional<std::string> get(const std::string& a, const std::string& s,
                                   const std::string& k) override {
        return inner_.get(a, s, k);
    }
    rt::SaveResult update(const std::string& a, const Change& change) override {
        return inner_.update(a, [&](const Reader& stored) {
            std::vector<rt::Setting> values = change(stored);
            for (const rt::Setting& v : values) log_.push_back("save " + v.section + "/" + v.key);
            return values;
        });
    }
    std::string location(const std::string& a) override { return inner_.location(a); }

  private:
    rt::SettingsStore& inner_;
    std::vector<std::string>& log_;
};

class ColourDialog : public testing_support::GameFixture {
  protected:
    void TearDown() override {
        rt::FormInstance<frmPrefe>::discard();
        GameFixture::TearDown();
    }
    frmPrefe& dialog() { return frmPrefe::instance(); }

    // Gives every swatch, in the order of the rows, a colour of its own that no carrier has.
    std::vector<rt::Color> chooseNewColours() {
        std::vector<rt::Color> chosen;
        frmPrefe& d = dialog();
        for (int c = 1; c <= frmPrefe::kCategorias; ++c) {
            for (bool text : {true, false}) {
                auto& swatches = text ? d.lblCorTexto : d.lblCorFundo;
                if (!swatches.exists(c)) continue;
                const rt::Color colour = rt::rgb(10 + c, text ? 20 : 30, 40);
                services.colours.answers.push_back(colour);
                chosen.push_back(colour);
                swatches.onClick(c);
            }
        }
        return chosen;
    }

    // The 18 colours of the scheme as the main window holds them, in the order of the rows.
    std::vector<rt::Color> carriers() {
        frmQUOPA& w = f();
        return {w.backColor(),
                w.PicUser.backColor(),
                w.Picture1.backColor(),
                w.lblVolta.foreColor(),
                w.lblQuemJoga.foreColor(),
                w.lblVolte11.foreColor(),
                w.lblVolte11.backColor(),
                w.lblVolte12.foreColor(),
                w.lblVolte12.backColor(),
                w.Jogad1.backColor(),
                w.Jogad2.backColor(),
                w.lblTermOquePor.backColor(),
                w.lblPlayer1.foreColor(),
                w.lblPlayer2.foreColor(),
                w.lblSomaSelecionados.foreColor(),
                w.lblPontos.foreColor(),
                w.LTc1.foreColor(),
                w.LTc1.backColor()};
    }
};

TEST_F(ColourDialog, TheMenuItemOpensItCentredAndModalWithTheCurrentColours) {
    services.settings.values["Colors"]["MainBack"] = "255";
    services.settings.values["Colors"]["KeybBack"] = "65280";
    load();
    bool opened = false;
    services.display.modalScripts["frmPrefe"] = [&](rt::Form& form) {
        auto& d = static_cast<frmPrefe&>(form);
        opened = true;
        EXPECT_EQ(d.left(), (rt::screen().width() - d.width()) / 2);
        EXPECT_EQ(d.caption(), " Colors");
        EXPECT_EQ(d.lblCorFundo[frmPrefe::kJanela].backColor(), pal::kRed);
        EXPECT_EQ(d.lblCorFundo[frmPrefe::kCursor].backColor(), pal::kGreen);
        EXPECT_EQ(d.lblCorTexto[frmPrefe::kCursor].backColor(), pal::kYellow);
        EXPECT_EQ(d.lblCorTexto[frmPrefe::kCasaPontos].backColor(), pal::kBlack);
        EXPECT_EQ(d.lblCorFundo[frmPrefe::kCasaPontos].backColor(), pal::kWhite);
        EXPECT_EQ(d.lblNome[frmPrefe::kCasaTotais].caption(), "Sum boxes");
        d.cmdCancelar_Click();
    };
    f().MnuCores.onClick();
    EXPECT_TRUE(opened);
    EXPECT_EQ(services.display.shown.back(), "frmPrefe (modal)");
    EXPECT_FALSE(rt::FormInstance<frmPrefe>::isLoaded());
}

TEST_F(ColourDialog, FifteenRowsHoldTheEighteenColoursWithNamesInBothLanguages) {
    quopa::Idioma = "0";
    load();
    frmPrefe& d = dialog();
    EXPECT_EQ(d.caption(), " Cores");
    EXPECT_EQ(d.lblNome.count(), 15);
    EXPECT_EQ(d.lblCorTexto.count() + d.lblCorFundo.count(), 18);
    for (int both : {frmPrefe::kCasaPontos, frmPrefe::kCasaTotais, frmPrefe::kCursor})
        EXPECT_TRUE(d.lblCorTexto.exists(both) && d.lblCorFundo.exists(both)) << both;
    EXPECT_EQ(d.lblNome[frmPrefe::kCursor].caption(), "Cursor do teclado");
    EXPECT_EQ(d.cmdCancelar.caption(), "&Cancelar");
    d.unload();
    quopa::Idioma = "1";
    EXPECT_EQ(dialog().lblNome[frmPrefe::kCursor].caption(), "Keyboard cursor");
    EXPECT_EQ(dialog().lblColunaFundo.caption(), "Background");
    EXPECT_TRUE(dialog().cmdCancelar.isCancel());
}

TEST_F(ColourDialog, ASwatchAsksTheChooserAndOnlyAnAnswerChangesIt) {
    quopa::Idioma = "0";
    load();
    frmPrefe& d = dialog();
    d.lblCorFundo.onClick(frmPrefe::kCasaPontos);  // the chooser is cancelled
    ASSERT_EQ(services.colours.asked.size(), 1u);
    EXPECT_EQ(services.colours.asked[0].initial, pal::kWhite);
    EXPECT_EQ(services.colours.asked[0].title, " Casas de pontos - fundo");
    EXPECT_EQ(d.lblCorFundo[frmPrefe::kCasaPontos].backColor(), pal::kWhite);

    services.colours.answers.push_back(pal::kCyan);
    d.lblCorTexto.onClick(frmPrefe::kNome1);
    EXPECT_EQ(services.colours.asked[1].title, " Nome do jogador 1");
    EXPECT_EQ(d.lblCorTexto[frmPrefe::kNome1].backColor(), pal::kCyan);
    EXPECT_EQ(f().lblPlayer1.foreColor(), pal::kWhite);  // nothing reaches the window before OK
}

TEST_F(ColourDialog, OkWritesTheCarriersInOrderThenAppliesThenStores) {
    load();
    std::vector<std::string> log;
    LoggingSettings settings(services.settings, log);
    rt::Services s = rt::app().services();
    s.settings = &settings;
    rt::app().install(s);
    chooseNewColours();

    std::vector<std::unique_ptr<ColourLog>> peers;
    peers.push_back(std::make_unique<ColourLog>(static_cast<rt::Form&>(f()), log));
    for (rt::Control* c : std::vector<rt::Control*>{
             &f().PicUser, &f().Picture1, &f().lblVolta, &f().lblQuemJoga, &f().lblVolte11,
             &f().lblVolte12, &f().lblSomaSelecionados, &f().lblPontos, &f().lblPlayer1,
             &f().lblPlayer2, &f().Jogad1, &f().Jogad2, &f().LTc1, &f().LTc2, &f().lblTermOquePor,
             &f().lblB[1]})
        peers.push_back(std::make_unique<ColourLog>(*c, log));
    dialog().cmdOK_Click();
    peers.clear();

    const std::vector<std::string> writes = {
        "frmQUOPA.Back",    "PicUser.Back",
        "Picture1.Back",    "lblVolta.Fore",
        "lblQuemJoga.Fore", "lblVolte11.Fore",
        "lblVolte11.Back",  "lblVolte12.Fore",
        "lblVolte12.Back",  "lblSomaSelecionados.Fore",
        "lblPontos.Fore",   "lblPlayer1.Fore",
        "lblPlayer2.Fore",  "Jogad1.Back",
        "Jogad2.Back",      "LTc1.Back",
        "LTc2.Back",        "LTc1.Fore",
        "LTc2.Fore",        "lblTermOquePor.Back",
        "lblB(1).Back",     "lblB(1).Fore",  // the window spreads the colours...
    };
    ASSERT_GE(log.size(), writes.size() + 18);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + writes.size()), writes);
    // ...then stores all 18, and only then.
    std::vector<std::string> rest(log.begin() + writes.size(), log.end());
    EXPECT_EQ(rest.size(), 18u);
    for (const std::string& entry : rest) EXPECT_EQ(entry.rfind("save Colors/", 0), 0u) << entry;
    EXPECT_FALSE(rt::FormInstance<frmPrefe>::isLoaded());
}

TEST_F(ColourDialog, ConfirmedColoursShowAtOnceAndComeBackAtTheNextStart) {
    load();
    roll("33345");  // possibilities are on: some boxes are marked
    rt::Label& marked = testing_support::columnOf(f(), 1, 'D')[3];
    ASSERT_EQ(marked.mousePointer(), 10);
    const std::vector<rt::Color> chosen = chooseNewColours();
    dialog().cmdOK_Click();

    EXPECT_EQ(carriers(), chosen);
    EXPECT_EQ(f().LTc2.foreColor(), f().LTc1.foreColor());
    EXPECT_EQ(f().LTc2.backColor(), f().LTc1.backColor());
    EXPECT_EQ(f().PicGame.backColor(), chosen[0]);
    // A marked box takes its row's plain colour and keeps its mark.
    EXPECT_EQ(marked.backColor(), f().lblVolte11.backColor());
    EXPECT_EQ(marked.mousePointer(), 10);
    EXPECT_EQ(services.settings.values["Colors"].size(), 18u);

    TearDown();
    SetUp();
    load();
    EXPECT_EQ(carriers(), chosen);
}

TEST_F(ColourDialog, CancelOrClosingWritesAppliesAndStoresNothing) {
    load();
    for (bool viaCloseBox : {false, true}) {
        const std::vector<rt::Color> before = carriers();
        const rt::Color cell = f().lblB[1].backColor();
        chooseNewColours();
        if (viaCloseBox)
            dialog().unload();
        else
            dialog().cmdCancelar_Click();
        EXPECT_FALSE(rt::FormInstance<frmPrefe>::isLoaded());
        EXPECT_EQ(carriers(), before);
        EXPECT_EQ(f().lblB[1].backColor(), cell);
        EXPECT_TRUE(services.settings.saveLog.empty());
        // The next opening starts from the window's colours again.
        EXPECT_EQ(dialog().lblCorFundo[frmPrefe::kJanela].backColor(), before[0]);
        dialog().unload();
    }
}

TEST_F(ColourDialog, OpenedDuringARollTheRollCompletes) {
    load();
    scriptFaces("11111");
    f().cmdPlay_Click();
    ASSERT_TRUE(f().Timer1.timerEnabled());
    services.display.modalScripts["frmPrefe"] = [&](rt::Form& form) {
        services.timers.runUntilIdle(10000);
        chooseNewColours();
        static_cast<frmPrefe&>(form).cmdOK_Click();
    };
    f().MnuCores_Click();
    EXPECT_FALSE(f().Timer1.timerEnabled());
    EXPECT_EQ(f().lblResultado.caption(), "11111");
    EXPECT_TRUE(f().lblQuopa.visible());
}

TEST_F(ColourDialog, HelpOpensTheColoursTopic) {
    load();
    dialog().cmdAjuda_Click();
    ASSERT_FALSE(services.help.opened.empty());
    EXPECT_EQ(services.help.opened.back().second, 300);
}

}  // namespace
