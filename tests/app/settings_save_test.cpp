// Saving the game's settings: one replacement of the store per table, and the player told once
// when the store cannot be written.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/module1.h"
#include "app/settings_save.h"
#include "dialogs/frm_recor.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::frmRecor;

class SettingsSaving : public testing_support::GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        load();
    }
    void TearDown() override {
        rt::FormInstance<frmRecor>::discard();
        GameFixture::TearDown();
    }
    // Player 1 ends his game with this total, which enters the empty records table.
    void endWithRecord(int points) {
        f().lblTgeral1.setCaption("Total:   " + std::to_string(points));
        f().lblPlayer1.setCaption("Ann");
        frmRecor::instance().VejaRecord1();
    }
    // What the main window saves when it unloads, and the colour dialog when it is confirmed.
    void saveOptionsColoursAndDice() {
        f().SalvaOpcoes();
        f().SalvaDados();
        f().SalvaCoresFquopa();
    }
};

TEST_F(SettingsSaving, EachTableIsSavedInOneReplacement) {
    f().SalvaOpcoes();
    EXPECT_EQ(services.settings.replacements, 1);
    EXPECT_EQ(services.settings.values["MainForm"].size(), 15u);
    f().SalvaDados();
    EXPECT_EQ(services.settings.replacements, 2);
    f().SalvaCoresFquopa();
    EXPECT_EQ(services.settings.replacements, 3);
    EXPECT_EQ(services.settings.values["Colors"].size(), 18u);
    EXPECT_TRUE(services.dialogs.messages.empty());
}

TEST_F(SettingsSaving, AStoreThatFailsIsToldOnceWithItsCauseInThePlayersLanguage) {
    struct Case {
        rt::SaveResult outcome;
        rt::SaveResult later;  // of the saves after the first
        const char* idioma;
        const char* title;
        const char* cause;
        const char* lost;
    };
    const Case cases[] = {
        {rt::SaveResult::Unwritable, rt::SaveResult::Unwritable, "1", " Warning",
         "Your results and options cannot be saved to:", "New high scores and changed options"},
        {rt::SaveResult::Unwritable, rt::SaveResult::Unwritable, "0", " Aviso",
         "Seus resultados e opções não podem ser gravados em:",
         "Novos recordes e opções alteradas"},
        {rt::SaveResult::InUse, rt::SaveResult::StillInUse, "1", " Warning",
         "their file is in use by another running copy of Tuvel Quopa:",
         "New high scores and changed options"},
        {rt::SaveResult::InUse, rt::SaveResult::StillInUse, "0", " Aviso",
         "o arquivo deles está em uso por outra cópia do Tuvel Quopa em execução:",
         "Novos recordes e opções alteradas"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        services.settings.outcome = c.outcome;
        quopa::Idioma = c.idioma;
        quopa::AvisouFalhaNaGravacao = false;
        services.dialogs.messages.clear();
        services.display.shown.clear();

        f().SalvaOpcoes();
        services.settings.outcome = c.later;
        endWithRecord(500);
        saveOptionsColoursAndDice();
        endWithRecord(600);

        ASSERT_EQ(services.dialogs.messages.size(), 1u) << c.idioma;
        const auto& told = services.dialogs.messages[0];
        EXPECT_EQ(told.title, c.title);
        EXPECT_NE(told.prompt.find(c.cause), std::string::npos) << told.prompt;
        EXPECT_NE(told.prompt.find(c.lost), std::string::npos) << told.prompt;
        EXPECT_NE(told.prompt.find(services.settings.path), std::string::npos) << told.prompt;
        // The game goes on: the records table still shows the result of this run.
        EXPECT_EQ(std::count(services.display.shown.begin(), services.display.shown.end(),
                             "frmRecor (modal)"),
                  2);
        EXPECT_TRUE(services.settings.values.empty());
    }
}

// Told again once a save has succeeded, and of every other copy of the game found holding the
// store; never of the copy he was told of that still holds it.
TEST_F(SettingsSaving, ThePlayerIsToldAgainAfterASaveSucceededOrOfAnotherCopyHoldingTheStore) {
    using rt::SaveResult;
    struct Case {
        std::vector<SaveResult> outcomes;
        std::size_t told;
    };
    const Case cases[] = {
        {{SaveResult::Unwritable, SaveResult::Saved, SaveResult::Unwritable}, 2},
        {{SaveResult::InUse, SaveResult::StillInUse, SaveResult::Saved, SaveResult::InUse}, 2},
        {{SaveResult::InUse, SaveResult::StillInUse, SaveResult::InUse, SaveResult::StillInUse}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.outcomes));
        quopa::AvisouFalhaNaGravacao = false;
        services.dialogs.messages.clear();
        for (SaveResult outcome : c.outcomes) {
            services.settings.outcome = outcome;
            quopa::GravaConfiguracoes({{"MainForm", "Players", "2"}});
        }
        EXPECT_EQ(services.dialogs.messages.size(), c.told);
    }
}

}  // namespace
