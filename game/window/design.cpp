// The main window as it stands before Form_Load: every control's design values.
#include <array>
#include <initializer_list>

#include "game/sheet/sheet_model.h"
#include "game/window/frm_quopa.h"
#include "resources/resources.h"

namespace quopa {

namespace {

using rt::Alignment;
using rt::BackStyle;
namespace pal = rt::palette;

rt::Font font(double size, bool bold = false) {
    rt::Font f;
    f.size = size;
    f.bold = bold;
    return f;
}

void setLabel(rt::Label& l, int left, int top, int width, int height, const std::string& caption) {
    l.move(left, top, width, height);
    l.setCaption(caption);
}

// A text on a coloured panel: no background of its own.
void transparent(rt::Label& l, rt::Color fore, const rt::Font& f) {
    l.setBackStyle(BackStyle::Transparent);
    l.setForeColor(fore);
    l.setFont(f);
}

// Column B's rows: their Tops in the grid; the other columns take them over at start-up.
constexpr std::array<int, 18> kRowTops = {10,   300,  590,  870,  1160, 1440, 1740, 2030, 2310,
                                          2610, 2900, 3180, 3470, 3755, 4040, 4320, 4620, 4910};
constexpr std::array<int, 18> kRowHeights = {275, 275, 265, 275, 265, 275, 275, 265, 275,
                                             275, 265, 275, 270, 270, 265, 275, 275, 275};

struct Legend {
    const char* caption;
    int top, height;
};
constexpr std::array<Legend, 18> kLegends = {{
    {"1", 330, 195},
    {"2", 615, 195},
    {"3", 915, 195},
    {"4", 1185, 195},
    {"5", 1470, 195},
    {"6", 1755, 195},
    {"=", 2040, 195},
    {"+", 2340, 195},
    {"T", 2625, 195},
    {"4 of", 2940, 192},
    {"Full", 3228, 192},
    {"S -", 3504, 192},
    {"S +", 3792, 192},
    {"Mn", 4080, 192},
    {"Mx", 4368, 192},
    {"Quopa", 4656, 192},
    {"T", 4965, 195},
    {"T+T", 5250, 195},
}};

// A sheet cell: centred text on white (scoring rows) or light grey (computed rows).
void designCell(rt::Label& cell, int left, int width, int row) {
    cell.move(left, kRowTops[row - 1], width, kRowHeights[row - 1]);
    cell.setAlignment(Alignment::Center);
    cell.setFont(font(9.75, true));
    cell.setBackColor(LinhaCalculada(row) ? pal::kLightGrey : pal::kWhite);
    cell.setForeColor(LinhaCalculada(row) ? pal::kDarkBlue : pal::kBlack);
    cell.setTabStop(false);
}

void designLegend(rt::Label& legend, int row) {
    const Legend& l = kLegends[row - 1];
    // The legends keep their rows; they take the whole margin left of the grid, because the
    // fonts here are wider than the ones these narrow boxes were drawn for ("Quopa" would not fit).
    legend.move(0, l.top, 480, l.height);
    legend.setCaption(l.caption);
    legend.setAlignment(Alignment::Center);
    transparent(legend, LinhaCalculada(row) ? pal::kGrey : pal::kDarkBlue, font(7.5, true));
}

void designPanel(rt::PictureBox& panel, rt::Color back) {
    panel.setBackColor(back);
    panel.setBorderStyle(rt::BorderStyle::None);
    panel.setTabStop(false);
}

void designCursor(rt::Label& cursor) {
    cursor.move(10, 10, 450, 275);
    cursor.setAlignment(Alignment::Center);
    cursor.setFont(font(9.75, true));
    cursor.setForeColor(pal::kYellow);
    cursor.setBackColor(pal::kRed);
    cursor.setVisible(false);
}

// One player's sheet: panel, grid, legends, header, grand total and the row 1 of each column.
struct SheetControls {
    rt::PictureBox& panel;
    rt::PictureBox& grid;
    LabelArray& legends;
    rt::Label& header;
    rt::Label& total;
    LabelArray* columns[4];
    int columnLefts[4];
    rt::Label& cursor;
};

void designSheet(const SheetControls& s, int totalHeight) {
    designPanel(s.panel, pal::kLightGrey);
    s.panel.setWidth(2580);
    designPanel(s.grid, pal::kGrey);
    s.grid.move(480, 270, 1895, 5200);
    setLabel(s.header, 480, 45, 1895, 210, "Dn      Up       D        F ");
    s.header.setAlignment(Alignment::Center);
    transparent(s.header, pal::kDarkBlue, font(8.25));
    setLabel(s.total, 480, 5460, 1890, totalHeight, "Total:  0");
    transparent(s.total, pal::kDarkBlue, font(12, true));
    s.total.setVisible(false);
    for (int c = 0; c < 4; ++c)
        designCell(s.columns[c]->create(1), s.columnLefts[c], c == 2 ? 465 : 450, 1);
    designCursor(s.cursor);
}

}  // namespace

std::vector<rt::Font> frmQUOPA::designFonts() {
    return {font(7.5, true),  font(8.25),     font(8.25, true), font(9.75, true),
            font(10.5, true), font(12, true), font(18, true),   font(24, true)};
}

void frmQUOPA::design() {
    setCaption(" Ostrelo Tuvel Quopa");
    setBorderStyle(rt::FormBorder::Sizable);
    setBackColor(pal::kDarkGreen);
    setHelpContextID(10);
    setKeyPreview(true);
    setIcon(resources::icon(1));
    designSheets();
    designDiceTable();
    designHolders();
    designMenus();
    // Last, so that the docked panels are laid out over the client area.
    setClientSize(7575, 5970);
}

void frmQUOPA::designSheets() {
    PicUser.setDock(rt::Dock::Left);
    PicUserB.setDock(rt::Dock::Right);
    designSheet({PicUser,
                 Picture1,
                 lblLegen,
                 lblLegen2,
                 lblTgeral1,
                 {&lblB, &lblC, &lblD, &lblS},
                 {10, 480, 950, 1430},
                 LTc1},
                345);
    designSheet({PicUserB,
                 Picture1B,
                 lblLegenB,
                 lblLegen2B,
                 lblTgeral2,
                 {&lblBB, &lblCB, &lblDB, &lblSB},
                 {10, 480, 950, 1425},
                 LTc2},
                350);
    PicUserB.setVisible(false);

    // Column B has all its rows from the design; its computed rows sit 5 twips to the right.
    for (int row = 2; row <= kUltimaLinha; ++row) designCell(lblB.create(row), 10, 450, row);
    for (int row : kLinhasCalculadas) lblB[row].setLeft(15);
    for (int row = kPrimeiraLinha; row <= kUltimaLinha; ++row)
        designLegend(lblLegen.create(row), row);
    designLegend(lblLegenB.create(1), 1);
    lblLegenB[1].setCaption("415");
    lblLegenB[1].setTop(340);

    // The bar of combination legends.
    PicSbar1.setDock(rt::Dock::Bottom);
    designPanel(PicSbar1, pal::kGrey);
    PicSbar1.setHeight(270);
    struct Combination {
        rt::Label& label;
        const char* caption;
        int left, width;
    };
    for (const Combination& c :
         {Combination{lblTrinca, "Trinca", 60, 1050}, Combination{lblQuadra, "Quadra", 1170, 1050},
          Combination{lblFull, "Full House", 2280, 900},
          Combination{lblSegMn, "Seguida Mínima", 3240, 1350},
          Combination{lblSegMx, "Seguida Máxima", 4650, 1350},
          Combination{lblQuopa, "Quopa", 6060, 750}}) {
        setLabel(c.label, c.left, 30, c.width, 210, c.caption);
        transparent(c.label, pal::kWhite, font(8.25, true));
        c.label.setAlignment(Alignment::Center);
        c.label.setVisible(false);
    }
}

void frmQUOPA::designDiceTable() {
    designPanel(PicGame, pal::kDarkGreen);
    PicGame.move(2985, 570, 3270, 4230);

    setLabel(lblSomaSelecionados, 0, 120, 3270, 600, "00");
    lblSomaSelecionados.setAlignment(Alignment::Center);
    transparent(lblSomaSelecionados, pal::kGreen, font(24, true));

    rt::Image* dice[] = {&imgSort1, &imgSort2, &imgSort3, &imgSort4, &imgSort5};
    for (int i = 0; i < 5; ++i) {
        dice[i]->move(145 + i * 625, 1365, 480, 480);
        dice[i]->setTabStop(false);
    }

    setLabel(lblPontos, 0, 1950, 3270, 500, "00");
    lblPontos.setAlignment(Alignment::Center);
    transparent(lblPontos, pal::kGreen, font(18, true));

    for (rt::CommandButton* b : {&cmdPlay, &cmdPlay2}) {
        b->setCaption("&Roll  3");
        b->setFont(font(10.5, true));
        b->setHelpContextID(10);
    }
    cmdPlay.move(45, 2700, 1560, 840);
    cmdPlay2.move(1665, 2700, 1560, 840);
    cmdPlay2.setVisible(false);
    for (rt::CommandButton* b : {&cmdBack, &cmdBack2}) {
        b->setCaption("&Voltar");
        b->setFont(font(8.25, true));
        b->setHelpContextID(10);
        b->setVisible(false);
    }
    cmdBack.move(45, 3720, 1155, 480);
    cmdBack2.move(2055, 3720, 1155, 480);

    imgOstrelo.move(4080, 5520, 1920, 1245);
    imgOstrelo.setStretch(true);
    imgOstrelo.setPicture(resources::logo());

    for (rt::Label* name : {&lblPlayer1, &lblPlayer2}) {
        transparent(*name, pal::kWhite, font(12, true));
        name->setAutoSize(true);
        name->setVisible(false);
    }
    setLabel(lblPlayer1, 2625, 90, 1200, 300, "Player 1");
    setLabel(lblPlayer2, 8500, 240, 1200, 300, "Player 2");
    lblPlayer2.setAlignment(Alignment::Right);

    Timer1.setInterval(10);
    Timer1.setTimerEnabled(false);
}

void frmQUOPA::designHolders() {
    picEsconde.move(0, 7455, 1200, 600);
    picEsconde.setVisible(false);
    struct Holder {
        rt::Label& label;
        const char* caption;
    };
    for (const Holder& h : {Holder{Label1, "0"},
                            Holder{Label2, "0"},
                            Holder{Label3, "0"},
                            Holder{Label4, "0"},
                            Holder{Label5, "0"},
                            Holder{lblQuantos, "5"},
                            Holder{lblResultado, "lblResultado"},
                            Holder{lblPodeJogar, "3"},
                            Holder{lblJogadas, "0"},
                            Holder{Jogad1, "Jogad1"},
                            Holder{Jogad2, "Jogad2"},
                            Holder{lblQuemJoga, "lbl quem joga"},
                            Holder{lblTotJogador1, "0"},
                            Holder{lblTotJogador2, "0"},
                            Holder{lblTermOquePor, "0"},
                            Holder{lblVolta, "lblVolta"},
                            Holder{lblVolte11, "lblVolte11"},
                            Holder{lblVolte12, "lblVolte12"},
                            Holder{lblTemPo, "20"},
                            Holder{lblTipoAnimacao, "0"},
                            Holder{lblTMP, "1"},
                            Holder{lblNegrito, ""}})
        h.label.setCaption(h.caption);
    cmdVolta.setCaption(kNadaADesfazer);
    for (int i = 1; i <= 6; ++i) lblDados.create(i).setCaption(std::to_string(12 + i));
    for (int i = 1; i <= 6; ++i) imgDado1.create(i);
    for (int i = 1; i <= 3; ++i) imgTMPx.create(i);
    imgSobe.setPicture(resources::liftCursor());
    imgDesce.setPicture(resources::dropCursor());

    // The colour carriers start with the scheme's defaults.
    lblVolta.setForeColor(pal::kDarkBlue);
    lblQuemJoga.setForeColor(pal::kGrey);
    lblVolte11.setForeColor(pal::kBlack);
    lblVolte11.setBackColor(pal::kWhite);
    lblVolte12.setForeColor(pal::kDarkBlue);
    lblVolte12.setBackColor(pal::kLightGrey);
    Jogad1.setBackColor(pal::kCyan);
    Jogad2.setBackColor(pal::kLightGrey);
    lblTermOquePor.setBackColor(pal::kDarkRed);
}

namespace {

struct MenuItem {
    rt::Menu& menu;
    const char* caption;
    const char* shortcut;
    int help;
    bool enabled;
};

void designItems(std::initializer_list<MenuItem> items) {
    for (const MenuItem& i : items) {
        i.menu.setCaption(i.caption);
        i.menu.setShortcut(i.shortcut);
        i.menu.setHelpContextID(i.help);
        i.menu.setEnabled(i.enabled);
    }
}

// The Jogo and Preferências menus.
void designGameMenus(frmQUOPA& f) {
    designItems({
        {f.nnuJogo, "&Jogo", "", 10, true},
        {f.mnuNovo, "&Novo", "F2", 0, false},
        {f.asepa, "-", "", 0, true},
        {f.mnuSair, "Sai&r", "Ctrl+X", 0, true},
        {f.mnuPrefere, "&Preferências", "", 10, true},
        {f.mnuAnimacao, "&Animação", "", 0, true},
        {f.mnuTodosSons, "&Sons", "", 0, true},
        {f.mnuNenhumSom, "&Nenhum som", "", 0, true},
        {f.MnuAplaudirQuopa, "&Quopa", "", 0, true},
        {f.MnuReclamacao, "&Reclamação", "", 0, false},
        {f.mnuFama, "R&ecorde", "", 0, true},
        {f.psepa1, "-", "", 0, true},
        {f.mnutentar, "&Tentativas", "", 0, true},
        {f.MnuJogadas[0], "&3 jogadas", "", 0, true},
        {f.MnuJogadas[1], "&5 jogadas", "", 0, true},
        {f.psepa2, "-", "", 0, true},
        {f.MnuJogado, "&Jogadores", "", 0, true},
        {f.MnuJoga[0], "&1 jogador", "", 0, true},
        {f.MnuJoga[1], "&2 jogadores", "", 0, true},
        {f.mnuNome1, "N&ome jogador 1", "", 0, true},
        {f.mnuNome2, "&Nome jogador 2", "", 0, true},
        {f.psepa3, "-", "", 0, true},
        {f.mnuDicas, "&Dicas", "", 100, true},
        {f.mnuPossibilidade, "&Indicar possibilidades", "", 650, true},
        {f.mnuExibeLegendas, "&Exibir legendas", "F5", 100, true},
        {f.MnuExibePontos, "E&xibir pontos", "F6", 100, true},
        {f.septa, "-", "", 0, true},
        {f.mnuTotal, "Exibir &Total", "F7", 0, true},
        {f.maisumsep, "-", "", 0, true},
        {f.MostC, "Exibir teclas de &atalho", "", 860, false},
    });
}

// The Configurações, Language and Informações menus.
void designOtherMenus(frmQUOPA& f) {
    const std::string help = "&Ajuda" + std::string(34, ' ') + "F1";
    designItems({
        {f.mnuPapel, "&Configurações", "", 10, true},
        {f.mnuCriaAtalhos, "&Atalhos", "", 500, true},
        {f.mpsepa, "-", "", 0, true},
        {f.MnuCores, "&Cores", "", 300, true},
        {f.mnuDados, "&Dados", "", 400, true},
        {f.mpsepa2, "-", "", 0, true},
        {f.mnuHabilitaTeclado, "&Habilitar teclado", "F9", 850, true},
        {f.mnuidioma, "&Language", "", 200, true},
        {f.mnuLingua[0], "&Português", "", 200, true},
        {f.mnuLingua[1], "&English", "", 200, true},
        {f.mnuInfo, "&Informações", "", 10, true},
        {f.mnuPlacar, "&Recordes", "", 200, true},
        {f.ajsepa1, "-", "", 0, true},
        {f.mnuAjuda, help.c_str(), "", 0, true},
        {f.mnuDemonstra, "&Tutorial - como jogar Quopa", "", 0, true},
        {f.ajsepa2, "-", "", 0, true},
        {f.mnuMarketing, "&Marketing", "", 0, true},
        {f.menu_Representantes, "&Representantes de Vendas", "", 0, true},
        {f.mnuOstrelo, "&Ostrelo", "", 0, true},
        {f.menu_ostreloZIP, "o&strelo.zip", "", 0, true},
        {f.ajsepa4, "-", "", 0, true},
        {f.MnuSobre, "&Sobre o Programa", "", 1000, true},
    });
}

}  // namespace

void frmQUOPA::designMenus() {
    designGameMenus(*this);
    designOtherMenus(*this);
}

}  // namespace quopa
