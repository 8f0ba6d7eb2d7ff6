// The records table: the ten best results of both players, best first, with rank, score, name
// and date, read from the settings store when the window loads.
//
// At the end of a player's game the main window calls VejaRecord1 / VejaRecord2: a total that
// beats a stored score enters the table, which is saved and shown modally; otherwise the window
// unloads without showing itself. Unloading it stops any sound and, when the loaded table had
// missing or damaged entries, writes the ten entries again, from the table as stored then.
#pragma once

#include <vector>

#include "dialogs/records_store.h"
#include "runtime/control_array.h"
#include "runtime/controls.h"
#include "runtime/form.h"

namespace quopa {

class frmRecor : public rt::Form {
  public:
    frmRecor();

    // The global instance, loaded (the table read) on first use.
    static frmRecor& instance() { return rt::FormInstance<frmRecor>::get(); }

    // The grid: element 0 is the header line, 1 to 10 the ranks.
    rt::ControlArray<rt::Label> lblPosicao{this, "lblPosicao"};
    rt::ControlArray<rt::Label> lblPontos{this, "lblPontos"};
    rt::ControlArray<rt::Label> lblNome{this, "lblNome"};
    rt::ControlArray<rt::Label> lblData{this, "lblData"};
    rt::CommandButton cmdOK{this, "cmdOK"};

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void cmdOK_Click();

    // Offers player 1's / player 2's grand total (the number in the last five characters of
    // lblTgeral1 / lblTgeral2 of the main window) to the table.
    void VejaRecord1();
    void VejaRecord2();
    // Enters player 1's / player 2's total in its place in the table as stored now, asking for a
    // name when the player still has the default one, and saves the table.
    void InsereRecord1();
    void InsereRecord2();

    // The hidden sorted list: the ten entries, best score first; equal scores keep the order in
    // which they were reached.
    const std::vector<EntradaDeRecorde>& lista() const { return lstRecordes; }

  private:
    void design();
    void LeTabela();
    void MostraTabela();
    void VejaRecord(rt::Label& total, void (frmRecor::*insere)());
    void InsereRecord(int jogador, const rt::Label& total, const rt::Label& nome);

    std::vector<EntradaDeRecorde> lstRecordes;
    bool reparada_ = false;  // the loaded table had missing or damaged entries
};

}  // namespace quopa
