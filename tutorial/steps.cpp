// The lessons follow the game as it plays: the points of every marking shown here are the points
// the main window writes for the same dice.
#include "tutorial/steps.h"

namespace quopa {

namespace {

using T = TipoDeAcao;

Acao Lanca(const char* faces) {
    return {T::Lancar, faces};
}
Acao Segura(const char* clicados) {
    return {T::Segurar, clicados};
}
Acao Marca(int coluna, int linha, const char* texto) {
    return {T::Marcar, texto, coluna, linha};
}
Acao Cursor(int coluna, int linha) {
    return {T::Cursor, "", coluna, linha};
}

// Column D's upper boxes with three dice of each face but the sixes: 45 so far.
const std::vector<CasaPreenchida> kCimaAte5 = {{kColunaD, 1, "3"},
                                               {kColunaD, 2, "6"},
                                               {kColunaD, 3, "9"},
                                               {kColunaD, 4, "12"},
                                               {kColunaD, 5, "15"}};

std::array<Passo, kNumeroDePassos> MontaPassos() {
    std::vector<CasaPreenchida> quaseCompleta = kCimaAte5;
    quaseCompleta.insert(quaseCompleta.end(), {{kColunaD, 6, "18"},
                                               {kColunaD, 10, "36"},
                                               {kColunaD, 11, " 51"},
                                               {kColunaD, 12, "50"},
                                               {kColunaD, 13, "60"},
                                               {kColunaD, 14, "9"},
                                               {kColunaD, 15, "24"}});
    return {{
        // 1
        {{"Bem-vindo ao Quopa", "Welcome to Quopa"},
         {"Quopa é um jogo de cinco dados para uma ou duas pessoas no mesmo computador. Na sua "
          "vez, o jogador lança os dados até três vezes, guarda os que quiser e, no fim, escreve "
          "o resultado numa casa da sua folha de pontos, ou escreve um zero nela.\n\n"
          "Cada folha tem quatro colunas com 13 casas a preencher: depois de 52 marcações o jogo "
          "do jogador termina. Ganha o maior total.\n\n"
          "À esquerda está uma cópia da folha e, ao lado, uma cópia da mesa dos dados: este "
          "tutorial só mexe nelas, nunca no jogo em andamento. Use Avançar e Voltar para passar "
          "pelos 22 passos; nos passos com o botão Mostre-me, veja o passo ser jogado na cópia. "
          "Esc fecha o tutorial.",
          "Quopa is a five-dice game for one or two people at one computer. On his turn a player "
          "rolls the dice up to three times, keeps the ones he likes and at the end writes the "
          "result into one box of his score sheet, or writes a zero there.\n\n"
          "Each sheet has four columns of 13 boxes to fill: after 52 markings the player's game "
          "is over. The higher total wins.\n\n"
          "On the left stands a copy of the sheet and beside it a copy of the dice table: this "
          "tutorial works on them only, never on the game in progress. Use Next and Back to go "
          "through the 22 steps; on the steps with a Show me button, watch the step being played "
          "on the copy. Esc closes the tutorial."},
         {},
         {}},
        // 2
        {{"Os dados e o lançamento", "The dice and the roll"},
         {"Os cinco dados ficam no meio da janela. Antes do primeiro lançamento da vez eles "
          "mostram a estampa, a figura de um dado ainda não lançado.\n\n"
          "Clique o botão Roll do jogador da vez, ou tecle Enter ou Espaço, para lançar os "
          "dados. Eles rolam por um instante e param em faces novas. Abaixo deles aparece a soma "
          "dos cinco dados (com Preferências > Dicas > Exibir pontos marcado).\n\n"
          "Clique Mostre-me para ver um lançamento.",
          "The five dice stand in the middle of the window. Before the first roll of a turn they "
          "show the stamp, the picture of a die not yet rolled.\n\n"
          "Click the Roll button of the player on turn, or press Enter or Space, to roll the "
          "dice. They tumble for a moment and stop on new faces. Below them the sum of the five "
          "dice appears (with Preferences > Tips > Show points ticked).\n\n"
          "Click Show me to watch a roll."},
         {},
         {Lanca("35146")}},
        // 3
        {{"Três lançamentos por vez (ou cinco)", "Three rolls a turn (or five)"},
         {"Cada vez tem até três lançamentos. O botão mostra quantos ainda restam: Roll 3, "
          "Roll 2, Roll 1. Depois do último ele mostra Marcar pontos: agora é preciso escrever o "
          "resultado numa casa.\n\n"
          "Em Preferências > Tentativas você pode escolher 5 jogadas: cada vez passa a ter até "
          "cinco lançamentos. Essa escolha só muda entre dois jogos.\n\n"
          "Não é preciso usar todos os lançamentos: você pode marcar logo depois do primeiro.",
          "A turn has up to three rolls. The button shows how many are left: Roll 3, Roll 2, "
          "Roll 1. After the last one it reads Mark points: now the result must be written into "
          "a box.\n\n"
          "In Preferences > Roll dice you can choose 5 chances: every turn then has up to five "
          "rolls. This choice changes only between games.\n\n"
          "You need not use every roll: you may mark right after the first one."},
         {},
         {Lanca("21463"), Lanca("55312"), Lanca("64425")}},
        // 4
        {{"Segurar os dados", "Holding dice"},
         {"Entre um lançamento e outro, clique um dado (ou tecle 1 a 5) para levantá-lo. Um dado "
          "levantado fica guardado: o próximo lançamento não o rola. Clique-o de novo para "
          "baixá-lo e lançá-lo outra vez.\n\n"
          "A seta do ponteiro sobre um dado mostra o que o clique fará. Com os cinco dados "
          "levantados não é possível lançar: baixe pelo menos um.\n\n"
          "O primeiro lançamento de cada vez lança os cinco dados.\n\n"
          "Mostre-me: os dois 5 ficam guardados, depois o terceiro também.",
          "Between rolls, click a die (or press 1 to 5) to lift it. A lifted die is held: the "
          "next roll leaves it alone. Click it again to put it down and roll it again.\n\n"
          "The arrow of the pointer over a die shows what a click will do. With all five dice "
          "lifted you cannot roll: put at least one down.\n\n"
          "The first roll of every turn throws all five dice.\n\n"
          "Show me: the two 5s are held, then the third one too."},
         {},
         {Lanca("55213"), Segura("12"), Lanca("--526"), Segura("3"), Lanca("---54")}},
        // 5
        {{"A folha de pontos", "The score sheet"},
         {"Cada jogador tem uma folha com quatro colunas: Dn, Up, D e F. Em cada coluna há 13 "
          "casas para preencher: as casas de cima, 1 a 6, e as de baixo: 4 of (quadra), Full, "
          "S - (seguida mínima), S + (seguida máxima), Mn (mínimo), Mx (máximo) e Quopa (cinco "
          "dados iguais).\n\n"
          "As linhas cinzentas =, +, T, T e T+T são calculadas pelo programa: somas, bônus e "
          "totais. Nelas não se escreve.\n\n"
          "As colunas diferem só na ordem em que as suas casas podem ser preenchidas; os "
          "próximos passos mostram cada uma.",
          "Each player has a sheet of four columns: Dn, Up, D and F. Each column has 13 boxes "
          "to fill: the upper boxes 1 to 6, and the lower boxes 4 of (four of a kind), Full, "
          "S - (small straight), S + (large straight), Mn (minimum), Mx (maximum) and Quopa "
          "(five of a kind).\n\n"
          "The grey rows =, +, T, T and T+T are worked out by the program: sums, bonus and "
          "totals. Nothing is written into them.\n\n"
          "The columns differ only in the order in which their boxes may be filled; the next "
          "steps show each of them."},
         {},
         {}},
        // 6
        {{"Marcar os pontos", "Marking the points"},
         {"Depois de qualquer lançamento, clique uma casa vazia da sua folha com o botão "
          "esquerdo do mouse: o programa escreve nela os pontos dos dados. A marcação encerra a "
          "sua vez.\n\n"
          "Uma casa só aceita os pontos quando os dados cumprem a condição da sua linha; senão o "
          "clique é recusado. Com Preferências > Dicas > Indicar possibilidades marcado, as "
          "casas onde os dados podem ser escritos ficam coloridas.\n\n"
          "Mostre-me: três 3 vão para a casa 3 da coluna D e valem 9.",
          "After any roll, click an empty box of your sheet with the left mouse button: the "
          "program writes the points of the dice into it. The marking ends your turn.\n\n"
          "A box takes the points only when the dice meet the condition of its row; otherwise "
          "the click is refused. With Preferences > Tips > Indicate possibilities ticked, the "
          "boxes where the dice may go are coloured.\n\n"
          "Show me: three 3s go into box 3 of column D and score 9."},
         {},
         {Lanca("33325"), Marca(kColunaD, 3, "9")}},
        // 7
        {{"Coluna Dn: de cima para baixo", "Column Dn: from the top down"},
         {"A coluna Dn é preenchida de cima para baixo: 1, 2, 3, 4, 5, 6, 4 of, Full, S -, "
          "S +, Mn, Mx, Quopa. Só a primeira casa vazia dessa ordem está aberta; as outras "
          "recusam o clique, também o do zero.\n\n"
          "Na cópia, as casas 1 e 2 já estão preenchidas: a próxima é a casa 3.\n\n"
          "Mostre-me: dois 3 valem 6 na casa 3 da coluna Dn.",
          "Column Dn is filled from the top down: 1, 2, 3, 4, 5, 6, 4 of, Full, S -, S +, Mn, "
          "Mx, Quopa. Only the first empty box of that order is open; the others refuse the "
          "click, a zero's too.\n\n"
          "On the copy, boxes 1 and 2 are filled already: the next one is box 3.\n\n"
          "Show me: two 3s score 6 in box 3 of column Dn."},
         {{kColunaDn, 1, "2"}, {kColunaDn, 2, "4"}},
         {Lanca("33146"), Marca(kColunaDn, 3, "6")}},
        // 8
        {{"Coluna Up: de baixo para cima", "Column Up: from the bottom up"},
         {"A coluna Up é preenchida na ordem contrária, de baixo para cima: Quopa, Mx, Mn, S +, "
          "S -, Full, 4 of, 6, 5, 4, 3, 2, 1. Também aqui só a primeira casa vazia dessa ordem "
          "está aberta.\n\n"
          "Na cópia, a casa Quopa já está preenchida: a próxima é Mx.\n\n"
          "Mostre-me: a soma dos dados, 26, vai para a casa Mx da coluna Up.",
          "Column Up is filled the other way, from the bottom up: Quopa, Mx, Mn, S +, S -, "
          "Full, 4 of, 6, 5, 4, 3, 2, 1. Here too only the first empty box of that order is "
          "open.\n\n"
          "On the copy, the Quopa box is filled already: the next one is Mx.\n\n"
          "Show me: the sum of the dice, 26, goes into the Mx box of column Up."},
         {{kColunaUp, 16, " 55"}},
         {Lanca("65645"), Marca(kColunaUp, 15, "26")}},
        // 9
        {{"Coluna D: em qualquer ordem", "Column D: in any order"},
         {"Na coluna D as casas podem ser preenchidas em qualquer ordem: escolha a casa que "
          "melhor aproveita os dados.\n\n"
          "Mostre-me: dois 6 valem 12 na casa 6 da coluna D, mesmo com as casas de cima ainda "
          "vazias.",
          "In column D the boxes may be filled in any order: choose the box that makes the most "
          "of the dice.\n\n"
          "Show me: two 6s score 12 in box 6 of column D, with the boxes above it still empty."},
         {},
         {Lanca("66154"), Marca(kColunaD, 6, "12")}},
        // 10
        {{"Coluna F: só com o primeiro lançamento", "Column F: first roll only"},
         {"A coluna F também aceita qualquer ordem, mas os pontos só valem com o primeiro "
          "lançamento da vez. Depois do segundo lançamento, nesta coluna só se pode escrever "
          "zero.\n\n"
          "Quando só a coluna F ainda tem casas vazias, o jogador tem um único lançamento por "
          "vez.\n\n"
          "Mostre-me: um Full saiu logo no primeiro lançamento e vai para a coluna F: "
          "19 + 30 = 49.",
          "Column F also takes any order, but its points count only with the first roll of a "
          "turn. After the second roll only a zero may be written in this column.\n\n"
          "When only column F still has empty boxes, the player has one roll a turn.\n\n"
          "Show me: a full house came with the very first roll and goes into column F: "
          "19 + 30 = 49."},
         {},
         {Lanca("22555"), Marca(kColunaF, 11, " 49")}},
        // 11
        {{"As casas de cima: 1 a 6", "The upper boxes: 1 to 6"},
         {"Cada casa de 1 a 6 aceita os dados que mostram a sua face e vale a face vezes o "
          "número de dados com ela: três 5 valem 15. Basta um dado com a face.\n\n"
          "Mostre-me: três 5 vão para a casa 5 da coluna D.",
          "Each box 1 to 6 takes the dice showing its face and scores the face times the number "
          "of dice showing it: three 5s score 15. One die with the face is enough.\n\n"
          "Show me: three 5s go into box 5 of column D."},
         {},
         {Lanca("52515"), Marca(kColunaD, 5, "15")}},
        // 12
        {{"Quadra: 4 of", "Four of a kind: 4 of"},
         {"A casa 4 of pede quatro dados iguais e vale 4 × a face + 20: quatro 4 valem 36. O "
          "quinto dado não conta.\n\n"
          "Mostre-me: quatro 4 vão para a casa 4 of da coluna D.",
          "The 4 of box needs four equal dice and scores 4 × the face + 20: four 4s score 36. "
          "The fifth die does not count.\n\n"
          "Show me: four 4s go into the 4 of box of column D."},
         {},
         {Lanca("44414"), Marca(kColunaD, 10, "36")}},
        // 13
        {{"Full", "Full house"},
         {"A casa Full pede três dados de uma face e dois de outra e vale a soma dos dados + 30. "
          "Cinco dados iguais não são um Full.\n\n"
          "Mostre-me: três 3 e dois 6 somam 21 e valem 51 na casa Full da coluna D.",
          "The Full box needs three dice of one face and two of another, and scores the sum of "
          "the dice + 30. Five equal dice are not a full house.\n\n"
          "Show me: three 3s and two 6s add up to 21 and score 51 in the Full box of column D."},
         {},
         {Lanca("36363"), Marca(kColunaD, 11, " 51")}},
        // 14
        {{"Seguidas: S - e S +", "Straights: S - and S +"},
         {"A casa S - pede a seguida mínima 1-2-3-4-5 e vale 50. A casa S + pede a seguida "
          "máxima 2-3-4-5-6 e vale 60. A ordem dos dados não importa.\n\n"
          "Mostre-me: 2-5-3-6-4 é uma seguida máxima e vale 60; na vez seguinte, 4-1-3-5-2 é uma "
          "seguida mínima e vale 50.",
          "The S - box needs the small straight 1-2-3-4-5 and scores 50. The S + box needs the "
          "large straight 2-3-4-5-6 and scores 60. The order of the dice does not matter.\n\n"
          "Show me: 2-5-3-6-4 is a large straight and scores 60; on the next turn, 4-1-3-5-2 is "
          "a small straight and scores 50."},
         {},
         {Lanca("25364"), Marca(kColunaD, 13, "60"), Lanca("41352"), Marca(kColunaD, 12, "50")}},
        // 15
        {{"Mínimo e máximo: Mn e Mx", "Minimum and maximum: Mn and Mx"},
         {"As casas Mn e Mx valem a soma dos dados. Na mesma coluna o mínimo tem de ficar abaixo "
          "do máximo: enquanto a outra das duas casas tem pontos, o Mn só aceita uma soma menor "
          "que o Mx, e o Mx só uma soma maior que o Mn. Um zero na outra casa a deixa livre.\n\n"
          "Na cópia, o Mx da coluna D já tem 24.\n\n"
          "Mostre-me: a soma 9 vai para o Mn da coluna D, abaixo de 24.",
          "The Mn and Mx boxes score the sum of the dice. In one column the minimum must stay "
          "below the maximum: while the other of the two boxes holds points, Mn takes only a sum "
          "below Mx, and Mx only a sum above Mn. A zero in the other box leaves it free.\n\n"
          "On the copy, the Mx of column D holds 24 already.\n\n"
          "Show me: the sum 9 goes into the Mn of column D, below 24."},
         {{kColunaD, 15, "24"}},
         {Lanca("12231"), Marca(kColunaD, 14, "9")}},
        // 16
        {{"Quopa: cinco dados iguais", "Quopa: five of a kind"},
         {"A casa Quopa pede cinco dados iguais e vale a soma dos dados + 50: cinco 6 valem 80. "
          "Cinco dados iguais também valem como quadra (4 of), mas não como Full. Um Quopa é "
          "aplaudido (Preferências > Sons > Quopa).\n\n"
          "Mostre-me: quatro 6 ficam guardados, o quinto dado é lançado de novo e sai 6.",
          "The Quopa box needs five equal dice and scores the sum of the dice + 50: five 6s "
          "score 80. Five equal dice also count as four of a kind (4 of), but not as a full "
          "house. A Quopa is applauded (Preferences > Sounds > Quopa).\n\n"
          "Show me: four 6s are held, the fifth die is rolled again and comes up 6."},
         {},
         {Lanca("66266"), Segura("1245"), Lanca("--6--"), Marca(kColunaD, 16, " 80")}},
        // 17
        {{"O zero", "The zero"},
         {"Clique uma casa aberta com o botão direito do mouse para escrever um zero nela, "
          "quaisquer que sejam os dados. É a saída quando os dados não servem para nenhuma "
          "casa, ou para guardar uma casa boa para depois.\n\n"
          "Nas colunas Dn e Up o zero também só vai para a casa que a ordem abre. Quando nenhuma "
          "casa aceita os dados no último lançamento, soa a reclamação e as casas que só aceitam "
          "zero ficam marcadas com outra cor.\n\n"
          "Mostre-me: 1-2-4-4-6 não é um Quopa, e a casa Quopa recebe um zero.",
          "Click an open box with the right mouse button to write a zero into it, whatever the "
          "dice. That is the way out when the dice fit no box, or to keep a good box for "
          "later.\n\n"
          "In columns Dn and Up a zero, too, goes only into the box that the order opens. When "
          "no box takes the dice on the last roll, the complaint sounds and the boxes that can "
          "only take a zero are marked in another colour.\n\n"
          "Show me: 1-2-4-4-6 is no Quopa, and the Quopa box gets a zero."},
         {},
         {Lanca("12446"), Marca(kColunaD, 16, "0")}},
        // 18
        {{"Soma de cima e bônus", "Upper sum and bonus"},
         {"A linha = mostra a soma das casas 1 a 6. Quando essa soma chega a 60 ou mais, a "
          "linha + recebe o bônus de +30; quando as seis casas estão preenchidas e a soma ficou "
          "em 59 ou menos, ela mostra /. A linha T logo abaixo é o total de cima: a soma mais o "
          "bônus.\n\n"
          "Três dados de cada face bastam para chegar a 60 (3 + 6 + 9 + 12 + 15 + 18 = 63). Com "
          "Indicar possibilidades, a cor das casas de 1 a 6 avisa quando, com aqueles pontos, a "
          "soma ficaria abaixo de 60.\n\n"
          "Mostre-me: três 6 completam as casas de cima da coluna D; a soma é 63 e o bônus vem.",
          "Row = shows the sum of boxes 1 to 6. When that sum reaches 60 or more, row + gets the "
          "bonus of +30; when all six boxes are filled and the sum stayed at 59 or less, it "
          "shows /. Row T just below is the upper total: the sum plus the bonus.\n\n"
          "Three dice of each face are enough for 60 (3 + 6 + 9 + 12 + 15 + 18 = 63). With "
          "Indicate possibilities, the colour of boxes 1 to 6 warns when those points would "
          "leave the sum below 60.\n\n"
          "Show me: three 6s complete the upper boxes of column D; the sum is 63 and the bonus "
          "comes."},
         kCimaAte5,
         {Lanca("66612"), Marca(kColunaD, 6, "18")},
         true},
        // 19
        {{"Os totais", "The totals"},
         {"A linha T de baixo é o total de baixo: a soma das casas 4 of a Quopa. A linha T+T é o "
          "total da coluna: o total de cima mais o total de baixo. O total geral do jogador é a "
          "soma dos totais das suas quatro colunas.\n\n"
          "Com Preferências > Dicas > Exibir Total (F7) marcado, as somas e o total geral "
          "aparecem depois de cada marcação, como na cópia; sem ele, cada soma aparece quando a "
          "sua parte da coluna está completa.\n\n"
          "Mostre-me: um Quopa de 5 completa a coluna D.",
          "The lower row T is the lower total: the sum of boxes 4 of to Quopa. Row T+T is the "
          "column total: upper total plus lower total. A player's grand total is the sum of the "
          "totals of his four columns.\n\n"
          "With Preferences > Tips > Show Total (F7) ticked, the sums and the grand total appear "
          "after every marking, as on the copy; without it, each sum appears once its part of "
          "the column is complete.\n\n"
          "Show me: a Quopa of 5s completes column D."},
         quaseCompleta,
         {Lanca("55555"), Marca(kColunaD, 16, " 75")},
         true},
        // 20
        {{"Voltar: desfazer a última marcação", "Back: taking back the last marking"},
         {"Depois de uma marcação aparece o botão Voltar. Ele desfaz a última marcação enquanto "
          "ninguém lançou os dados de novo: a casa fica vazia, os lançamentos voltam a ser como "
          "eram, e o jogador pode marcar outra casa ou continuar lançando. As teclas Esc, "
          "Backspace e Delete fazem o mesmo.\n\n"
          "Só a última marcação pode ser desfeita, e a 52ª marcação de um jogador não.\n\n"
          "Mostre-me: dois 4 vão para a casa 4 e depois voltam.",
          "After a marking the Back button appears. It takes back the last marking as long as "
          "nobody has rolled since: the box is empty again, the rolls are as they were, and the "
          "player may mark another box or roll on. The keys Esc, Backspace and Delete do the "
          "same.\n\n"
          "Only the last marking can be taken back, and a player's 52nd marking cannot.\n\n"
          "Show me: two 4s go into box 4 and are then taken back."},
         {},
         {Lanca("34421"), Marca(kColunaD, 4, "8"), {T::Voltar}}},
        // 21
        {{"Jogar pelo teclado", "Playing with the keyboard"},
         {"Com Configurações > Habilitar teclado (F9) marcado, joga-se sem o mouse. Depois do "
          "primeiro lançamento um cursor aparece sobre a folha do jogador da vez.\n\n"
          "Enter ou Espaço: lançar os dados.\n"
          "1 a 5: levantar ou baixar o dado 1 a 5.\n"
          "Setas: mover o cursor pelas casas da folha.\n"
          "P: escrever os pontos na casa do cursor.\n"
          "Z: escrever zero na casa do cursor.\n"
          "Esc, Backspace, Delete: voltar.\n\n"
          "Sobre uma casa que só aceita zero o cursor mostra um X.\n\n"
          "Mostre-me: a seta para a direita leva o cursor até a coluna D, e P escreve os pontos "
          "de dois 1.",
          "With Settings > Keyboard enabled (F9) ticked, the game is played without the mouse. "
          "After the first roll a cursor appears over the sheet of the player on turn.\n\n"
          "Enter or Space: roll the dice.\n"
          "1 to 5: lift or put down die 1 to 5.\n"
          "Arrows: move the cursor over the boxes of the sheet.\n"
          "P: write the points into the box under the cursor.\n"
          "Z: write a zero into the box under the cursor.\n"
          "Esc, Backspace, Delete: back.\n\n"
          "Over a box that can only take a zero the cursor shows an X.\n\n"
          "Show me: the right arrow takes the cursor to column D, and P writes the points of two "
          "1s."},
         {},
         {Lanca("11325"), Cursor(kColunaDn, 1), Cursor(kColunaUp, 1), Cursor(kColunaD, 1),
          Marca(kColunaD, 1, "2")}},
        // 22
        {{"Dois jogadores e o fim do jogo", "Two players and the end of the game"},
         {"Em Preferências > Jogadores escolha 2 jogadores: a folha do jogador 2 aparece à "
          "direita, e cada jogador tem o seu botão Roll. Depois de cada marcação a vez passa ao "
          "outro jogador. Os nomes dos jogadores são dados no mesmo menu; o número de jogadores "
          "só muda entre dois jogos.\n\n"
          "Depois das 52 marcações de um jogador o jogo dele termina. Se o seu total está entre "
          "os dez melhores, ele entra na tabela de recordes (Informações > Recordes). Um jogo "
          "novo começa com Jogo > Novo (F2).\n\n"
          "Bom jogo!",
          "In Preferences > Players choose 2 players: player 2's sheet appears on the right, "
          "and each player has his own Roll button. After every marking the turn passes to the "
          "other player. The players' names are set in the same menu; the number of players "
          "changes only between games.\n\n"
          "After a player's 52 markings his game is over. When his total is among the ten best "
          "results it enters the high score table (Information > High Score). A new game starts "
          "with Game > New (F2).\n\n"
          "Have a good game!"},
         {},
         {}},
    }};
}

}  // namespace

const std::array<Passo, kNumeroDePassos>& Passos() {
    static const std::array<Passo, kNumeroDePassos> passos = MontaPassos();
    return passos;
}

}  // namespace quopa
