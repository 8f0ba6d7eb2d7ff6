// The records table: entering a total, the name, saving, reading back and repairing the store.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/module1.h"
#include "dialogs/frm_recor.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::CodificaRecorde;
using quopa::DecodificaRecorde;
using quopa::EntradaDeRecorde;
using quopa::frmRecor;

class RecordsTable : public testing_support::GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        load();
    }
    void TearDown() override {
        rt::FormInstance<frmRecor>::discard();
        GameFixture::TearDown();
    }
    std::map<std::string, std::string>& stored() { return services.settings.values["Sething"]; }
    // The table holds these scores, by Ann and Bob alternately, in key order.
    void storeScores(std::initializer_list<int> scores) {
        int n = 0;
        for (int s : scores) {
            ++n;
            stored()["DataNed" + std::to_string(n)] = CodificaRecorde(
                {s, n % 2 ? "Ann" : "Bob", "2023-01-0" + std::to_string(n % 9 + 1)});
        }
    }
    std::vector<int> storedScores() {
        std::vector<int> scores;
        for (int n = 1; n <= 10; ++n) {
            auto e = DecodificaRecorde(stored()["DataNed" + std::to_string(n)]);
            scores.push_back(e ? e->pontos : -1);
        }
        return scores;
    }
    void offer(int player, int points, const std::string& name) {
        rt::Label& total = player == 1 ? f().lblTgeral1 : f().lblTgeral2;
        total.setCaption("Total:  " + std::string(points < 0 ? "" : " ") + std::to_string(points));
        (player == 1 ? f().lblPlayer1 : f().lblPlayer2).setCaption(name);
        f().lblNegrito.setCaption("something");
        if (player == 1)
            frmRecor::instance().VejaRecord1();
        else
            frmRecor::instance().VejaRecord2();
    }
    int timesShown() {
        return static_cast<int>(std::count(services.display.shown.begin(),
                                           services.display.shown.end(), "frmRecor (modal)"));
    }
};

TEST_F(RecordsTable, BeatingTotalEntersInOrderIsSavedAndShown) {
    storeScores({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    services.clock.time = std::chrono::system_clock::from_time_t(1710000000);  // 2024-03-09
    services.display.modalScripts["frmRecor"] = [](rt::Form& form) {
        auto& table = static_cast<frmRecor&>(form);
        EXPECT_EQ(table.lblPontos[3].caption(), "700");
        EXPECT_EQ(table.lblPontos[4].caption(), "700");
        EXPECT_EQ(table.lblNome[4].caption(), "Cid");
        table.cmdOK.onClick();
    };
    offer(2, 700, "Cid");
    EXPECT_EQ(storedScores(), (std::vector<int>{900, 800, 700, 700, 600, 500, 400, 300, 200, 100}));
    auto entry = DecodificaRecorde(stored()["DataNed4"]);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->nome, "Cid");
    EXPECT_EQ(entry->data.substr(0, 7), "2024-03");
    EXPECT_EQ(timesShown(), 1);
    EXPECT_TRUE(services.dialogs.inputs.empty());
    EXPECT_EQ(f().lblNegrito.caption(), "");
    EXPECT_FALSE(rt::FormInstance<frmRecor>::isLoaded());
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(stored()["DataNed" + std::to_string(n)].size(), 146u);
}

TEST_F(RecordsTable, TotalThatBeatsNothingIsNotEnteredNorShown) {
    storeScores({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    services.settings.saveLog.clear();
    offer(1, 50, "Player 1");
    EXPECT_EQ(timesShown(), 0);
    EXPECT_TRUE(services.dialogs.inputs.empty());
    EXPECT_TRUE(services.settings.saveLog.empty());
    EXPECT_FALSE(rt::FormInstance<frmRecor>::isLoaded());
    EXPECT_EQ(f().lblNegrito.caption(), "");
}

TEST_F(RecordsTable, NameIsAskedOnlyForTheDefaultName) {
    struct Case {
        const char* name;
        const char* answer;
        bool asked;
        const char* stored;
    };
    const Case cases[] = {
        {"Ana", "", false, "Ana"},
        {"Player 1", "  Zé Carlos  ", true, "Zé Carlos"},
        {" player 1 ", "Long name of many letters", true, "Long name of ma"},
        {"JOGADOR 1", "", true, "JOGADOR 1"},
        {"Player 12", "", false, "Player 12"},
    };
    for (const Case& c : cases) {
        TearDown();
        services.settings.values.clear();
        services.dialogs.inputs.clear();
        SetUp();
        services.dialogs.inputAnswers = {c.answer};
        offer(1, 100, c.name);
        EXPECT_EQ(services.dialogs.inputs.size(), c.asked ? 1u : 0u) << c.name;
        auto entry = DecodificaRecorde(stored()["DataNed1"]);
        ASSERT_TRUE(entry) << c.name;
        EXPECT_EQ(entry->nome, c.stored) << c.name;
    }
}

TEST_F(RecordsTable, SameTableReadsBackAfterARestart) {
    services.dialogs.inputAnswers = {"Eve"};
    offer(1, 321, "Player 1");
    offer(2, 654, "Dan");
    rt::FormInstance<frmRecor>::discard();
    rt::destroyRetiredForms();

    frmRecor& table = frmRecor::instance();
    ASSERT_EQ(table.lista().size(), 10u);
    EXPECT_EQ(table.lista()[0].pontos, 654);
    EXPECT_EQ(table.lista()[0].nome, "Dan");
    EXPECT_EQ(table.lista()[1].nome, "Eve");
    EXPECT_TRUE(table.lista()[2].vazia());
    EXPECT_EQ(table.lblPosicao[1].caption(), "1.");
    EXPECT_EQ(table.lblPontos[2].caption(), "321");
    EXPECT_EQ(table.lblPontos[3].caption(), "");
    EXPECT_EQ(table.caption(), " High Scores");
    EXPECT_EQ(table.helpContextID(), 200);
}

TEST_F(RecordsTable, DamagedOrMissingEntriesLoadEmptyAndAreRepairedOnUnload) {
    storeScores({900, 800, 700, 600, 500, 400});
    std::string changed = stored()["DataNed2"];
    changed[40] = changed[40] == 'A' ? 'B' : 'A';
    stored()["DataNed2"] = changed;
    stored()["DataNed3"] = "";
    stored()["DataNed4"] = "x";
    stored()["DataNed5"] = std::string(146, 'Q');
    // DataNed6 still holds 400; DataNed7 to DataNed10 are missing.
    frmRecor& table = frmRecor::instance();
    std::vector<int> loaded;
    for (const auto& e : table.lista()) loaded.push_back(e.pontos);
    // The record behind the damaged entries moves up: no empty rank between two records.
    EXPECT_EQ(loaded, (std::vector<int>{900, 400, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(table.lblPontos[2].caption(), "400");
    EXPECT_EQ(table.lblPontos[3].caption(), "");
    table.cmdOK.onClick();
    EXPECT_EQ(storedScores(), (std::vector<int>{900, 400, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_GE(services.sound.stops, 1);
}

TEST_F(RecordsTable, ValidTableIsNotRewrittenOnUnload) {
    storeScores({9, 8, 7, 6, 5, 4, 3, 2, 1, 1});
    services.settings.saveLog.clear();
    quopa::Idioma = "0";
    frmRecor& table = frmRecor::instance();
    EXPECT_EQ(table.caption(), " Recordes");
    EXPECT_EQ(table.lblPontos[0].caption(), "Pontos");
    table.cmdOK.onClick();
    EXPECT_TRUE(services.settings.saveLog.empty());
}

TEST_F(RecordsTable, WholeTableIsSavedInOneReplacement) {
    storeScores({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    services.settings.saveLog.clear();
    offer(1, 750, "Cid");
    EXPECT_EQ(services.settings.replacements, 1);
    EXPECT_EQ(services.settings.saveLog.size(), 10u);
    EXPECT_EQ(storedScores(), (std::vector<int>{900, 800, 750, 700, 600, 500, 400, 300, 200, 100}));
}

// Another copy of the game on the same store saves its own record while this one's table is open.
TEST_F(RecordsTable, RecordSavedByAnotherCopyWhileTheTableWasOpenIsKept) {
    storeScores({900, 800});  // DataNed3 to DataNed10 missing: the table is repaired on unloading
    frmRecor& table = frmRecor::instance();
    storeScores({900, 850, 800, 0, 0, 0, 0, 0, 0, 0});
    table.cmdOK.onClick();
    EXPECT_EQ(storedScores(), (std::vector<int>{900, 850, 800, 0, 0, 0, 0, 0, 0, 0}));

    // A table the other copy left damaged is repaired from what it holds now.
    storeScores({900, 800});
    frmRecor& again = frmRecor::instance();
    storeScores({900, 850, 800});
    again.cmdOK.onClick();
    EXPECT_EQ(storedScores(), (std::vector<int>{900, 850, 800, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(RecordsTable, RecordSavedByAnotherCopyDuringTheNamePromptIsKept) {
    storeScores({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    services.dialogs.inputAnswers = {"Zed"};
    services.dialogs.whileAsking = [this] {
        storeScores({900, 800, 700, 650, 600, 500, 400, 300, 200, 100});
    };
    offer(1, 750, "Player 1");
    EXPECT_EQ(storedScores(), (std::vector<int>{900, 800, 750, 700, 650, 600, 500, 400, 300, 200}));
    EXPECT_EQ(DecodificaRecorde(stored()["DataNed3"])->nome, "Zed");
}

TEST_F(RecordsTable, TableLoadedEarlierIsReadAgainBeforeATotalIsJudged) {
    frmRecor::instance();  // empty: any total would enter
    storeScores({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    services.settings.saveLog.clear();
    offer(1, 40, "Ann");
    EXPECT_EQ(timesShown(), 0);
    EXPECT_TRUE(services.settings.saveLog.empty());
    EXPECT_EQ(storedScores(), (std::vector<int>{900, 800, 700, 600, 500, 400, 300, 200, 100, 50}));
}

}  // namespace
