// No caption of any window is cut off, in either language: each window is opened as the player
// meets it, shown offscreen with the real fonts, and every caption is measured against the
// widget that shows it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFontInfo>
#include <functional>
#include <memory>
#include <string>

#include "app/frm_chama_ajuda.h"
#include "app/frm_splash.h"
#include "app/module1.h"
#include "dialogs/frm_msobre1.h"
#include "dialogs/frm_prefe.h"
#include "dialogs/frm_recor.h"
#include "dialogs/frm_sobre.h"
#include "dialogs/records_store.h"
#include "game/window/frm_choic.h"
#include "game/window/frm_quopa.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/qt_display.h"
#include "tests/qt/caption_room.h"
#include "tests/qt/renderer_fixture.h"
#include "tests/support/game_fixture.h"
#include "tutorial/frm_demo.h"
#include "tutorial/steps.h"

namespace {

using quopa::frmQUOPA;

// A window as the player meets it: loaded (the main window first, as in the game), put into a
// state worth measuring, and unloaded again without its handlers.
struct Window {
    std::string name;
    std::function<rt::Form&()> open;
    std::function<void()> discard;
};

// `before` runs before the window loads (to store what it reads), `scene` after.
template <class F>
Window window(const std::string& name, std::function<void(F&)> scene = nullptr,
              std::function<void()> before = nullptr) {
    return Window{name,
                  [scene, before]() -> rt::Form& {
                      if (before) before();
                      F& form = rt::FormInstance<F>::get();
                      if (scene) scene(form);
                      return form;
                  },
                  [] { rt::FormInstance<F>::discard(); }};
}

// The main window in the middle of a two-player game: both sheets shown, both roll buttons asking
// for a marking, the combinations of the dice named, totals and points written.
void twoPlayersNoRollsLeft(frmQUOPA& f) {
    f.MnuJoga_Click(1);
    f.Jogad1.setCaption("0");
    f.Jogad2.setCaption("0");
    f.lblTgeral1.setCaption("Total:   1085");
    f.lblTgeral2.setCaption("Total:    385");
    // Five sixes: every combination label gets its caption of the language, with its face.
    for (rt::Label* face : {&f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label5})
        face->setCaption("6");
    int16_t silent = 0;
    f.VerificaCombinacoes(silent);
    for (auto* column : {&f.lblB, &f.lblSB}) {
        (*column)[8].setCaption("+30");
        (*column)[11].setCaption(" 48");
        (*column)[18].setCaption("345");
    }
}

// A records table with no room to spare: ten long names, four-digit scores, dates.
void storeFullTable() {
    std::vector<quopa::EntradaDeRecorde> table;
    for (int i = 0; i < quopa::kNumeroDeRecordes; ++i)
        quopa::GravaNovoRecorde(
            {1500 - i * 37, "Maria Conceição", "2026-12-" + std::to_string(10 + i)}, table);
}

// The tutorial at one of its steps, each step with texts of its own; with `shown`, as its Show me
// leaves it (the roll button of the copy then reads what the step's text speaks of).
Window tutorialStep(int step, bool shown = false) {
    return window<quopa::frmDemo>("frmDemo_Step" + std::to_string(step) + (shown ? "_ShowMe" : ""),
                                  [step, shown](quopa::frmDemo& d) {
                                      while (d.passo() < step) d.cmdProximo_Click();
                                      if (!shown) return;
                                      d.cmdMostrar_Click();
                                      while (d.demonstrando()) d.tmrDemo_Timer();
                                  });
}

// Every window of the game. A window added to the game is one line here.
std::vector<Window> allWindows() {
    std::vector<Window> windows = {
        window<quopa::frmSplash>("frmSplash"),
        window<frmQUOPA>("frmQUOPA"),
        window<frmQUOPA>("frmQUOPA_TwoPlayersNoRollsLeft", twoPlayersNoRollsLeft),
        window<quopa::frmChoic>("frmChoic"),
        window<quopa::frmPrefe>("frmPrefe"),
        window<quopa::frmRecor>("frmRecor"),
        window<quopa::frmRecor>("frmRecor_FullTable", nullptr, storeFullTable),
        window<quopa::frmSobre>("frmSobre"),
        window<quopa::frmMsobre1>("frmMsobre1"),
        window<quopa::frmChamaAjuda>("frmChamaAjuda"),
    };
    for (int step = 1; step <= quopa::kNumeroDePassos; ++step) {
        windows.push_back(tutorialStep(step));
        if (!quopa::Passos()[static_cast<std::size_t>(step - 1)].demonstracao.empty())
            windows.push_back(tutorialStep(step, true));
    }
    return windows;
}

struct Language {
    const char* name;
    const char* idioma;
};
constexpr Language kLanguages[] = {{"Portuguese", "0"}, {"English", "1"}};

// Test names and failure lines name the window and the language.
[[maybe_unused]] void PrintTo(const Window& w, std::ostream* os) {
    *os << w.name;
}
[[maybe_unused]] void PrintTo(const Language& l, std::ostream* os) {
    *os << l.name;
}

class CaptionFit : public testing_support::GameFixture,
                   public ::testing::WithParamInterface<std::tuple<Window, Language>> {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        display = std::make_unique<rt::qt::QtDisplay>();
        rt::Services s = rt::app().services();
        s.display = display.get();
        rt::app().install(s);
        quopa::Idioma = std::get<Language>(GetParam()).idioma;
    }
    void TearDown() override {
        // The windows go first, so that no widget outlives its control.
        display.reset();
        services.install();
        std::get<Window>(GetParam()).discard();
        GameFixture::TearDown();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<rt::qt::QtDisplay> display;
};

TEST(CaptionFonts, TheWindowsAreDrawnInTheFontTheyWereLaidOutFor) {
    // The captions were fitted to letters of Arial's widths (Liberation Sans here); any other
    // family would make this whole suite measure the wrong letters.
    const QString family = QFontInfo(rt::qt::toQFont(rt::Font{})).family();
    EXPECT_TRUE(family == "Liberation Sans" || family == "Arial" || family == "Arimo" ||
                family == "Microsoft Sans Serif")
        << family.toStdString();
}

// The measure itself: each kind of clipping is found, and a caption with room is not reported.
struct Crowded : rt::Form {
    Crowded() : rt::Form("Crowded") {
        setClientSize(6000, 3000);
        for (rt::Control* c : std::initializer_list<rt::Control*>{&narrowButton, &wideButton})
            c->setFont(rt::Font{"MS Sans Serif", 12, true});
        narrowButton.move(0, 0, 900, 600);
        narrowButton.setCaption("Marcar pontos");
        wideButton.move(0, 600, 3000, 600);
        wideButton.setCaption("Marcar pontos");
        shortLabel.move(0, 1200, 450, 200);
        shortLabel.setCaption("Two words");  // wraps into two lines in one line's height
        tallLabel.move(0, 1500, 450, 600);
        tallLabel.setCaption("Two words");
        hidden.move(3000, 0, 1500, 1500);
        hidden.setVisible(false);
        insideHidden.move(0, 0, 150, 150);
        insideHidden.setCaption("Never seen while its box is hidden");
        parked.move(-2000, 0, 300, 200);
        parked.setCaption("Parked out of sight");
    }
    rt::CommandButton narrowButton{this, "narrowButton"};
    rt::CommandButton wideButton{this, "wideButton"};
    rt::Label shortLabel{this, "shortLabel"};
    rt::Label tallLabel{this, "tallLabel"};
    rt::PictureBox hidden{this, "hidden"};
    rt::Label insideHidden{&hidden, "insideHidden"};
    rt::Label parked{this, "parked"};
};

class CaptionRoom : public renderer_test::RendererTest {};

TEST(CaptionFonts, AMissingFixedWidthFamilyStaysFixedWidth) {
    // The records table lines its scores and dates up in "Courier New".
    EXPECT_TRUE(QFontInfo(rt::qt::toQFont(rt::Font{"Courier New", 9})).fixedPitch());
    EXPECT_FALSE(QFontInfo(rt::qt::toQFont(rt::Font{"MS Sans Serif", 9})).fixedPitch());
}

TEST_F(CaptionRoom, FindsCaptionsTooWideOrTooTallAndOnlyThose) {
    Crowded& form = make<Crowded>();
    form.show();
    QCoreApplication::processEvents();
    const std::vector<caption_room::Clipping> clipped = caption_room::clippedCaptions(form);
    ASSERT_EQ(clipped.size(), 2u) << ::testing::PrintToString(clipped);
    EXPECT_EQ(clipped[0].rfind("narrowButton: \"Marcar pontos\" needs", 0), 0u) << clipped[0];
    EXPECT_EQ(clipped[1].rfind("shortLabel: \"Two words\" needs", 0), 0u) << clipped[1];
}

TEST_P(CaptionFit, EveryCaptionFitsItsControl) {
    load();
    rt::Form& form = std::get<Window>(GetParam()).open();
    form.show();
    ASSERT_NE(display->windowOf(form), nullptr);
    // The window takes its size (a maximised one, the screen's) when its events have run.
    QCoreApplication::processEvents();
    std::string report;
    for (const auto& clipped : caption_room::clippedCaptions(form)) report += "\n  " + clipped;
    EXPECT_TRUE(report.empty()) << form.name() << " clips:" << report;
}

INSTANTIATE_TEST_SUITE_P(AllWindows, CaptionFit,
                         ::testing::Combine(::testing::ValuesIn(allWindows()),
                                            ::testing::ValuesIn(kLanguages)),
                         [](const ::testing::TestParamInfo<CaptionFit::ParamType>& info) {
                             return std::get<Window>(info.param).name + "_" +
                                    std::get<Language>(info.param).name;
                         });

}  // namespace
