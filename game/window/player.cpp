#include "game/window/player.h"

namespace quopa {

Jogador Jogador1(frmQUOPA& f) {
    return {.numero = "1",
            .naoJogou = f.NaoJogou1,
            .contador = f.Jogad1,
            .volte = f.lblVolte11,
            .casasMarcadas = f.lblTotJogador1,
            .botao = f.cmdPlay,
            .outroBotao = f.cmdPlay2,
            .voltar = f.cmdBack,
            .cursor = f.LTc1,
            .colunaB = f.lblB,
            .colunaC = f.lblC,
            .colunaD = f.lblD,
            .limpaColunas = &frmQUOPA::LimpaDestaque1,
            .limpaColunaS = &frmQUOPA::LimpaDestaqueS1,
            .atualizaJogadas = &frmQUOPA::AtualizaJogadas1,
            .marcaPossiveisS = &frmQUOPA::MarcaPossiveisS,
            .marcaPossiveisC = &frmQUOPA::MarcaPossiveisC,
            .marcaPossiveisB = &frmQUOPA::MarcaPossiveisB,
            .marcaPossiveisD = &frmQUOPA::MarcaPossiveisD,
            .marcaZeros = &frmQUOPA::MarcaZerosJogador1,
            .marcaZerosC = &frmQUOPA::MarcaZerosC};
}

Jogador Jogador2(frmQUOPA& f) {
    return {.numero = "2",
            .naoJogou = f.NaoJogou2,
            .contador = f.Jogad2,
            .volte = f.lblVolte12,
            .casasMarcadas = f.lblTotJogador2,
            .botao = f.cmdPlay2,
            .outroBotao = f.cmdPlay,
            .voltar = f.cmdBack2,
            .cursor = f.LTc2,
            .colunaB = f.lblBB,
            .colunaC = f.lblCB,
            .colunaD = f.lblDB,
            .limpaColunas = &frmQUOPA::LimpaDestaque2,
            .limpaColunaS = &frmQUOPA::LimpaDestaqueS2,
            .atualizaJogadas = &frmQUOPA::AtualizaJogadas2,
            .marcaPossiveisS = &frmQUOPA::MarcaPossiveisSB,
            .marcaPossiveisC = &frmQUOPA::MarcaPossiveisCB,
            .marcaPossiveisB = &frmQUOPA::MarcaPossiveisBB,
            .marcaPossiveisD = &frmQUOPA::MarcaPossiveisDB,
            .marcaZeros = &frmQUOPA::MarcaZerosJogador2,
            .marcaZerosC = &frmQUOPA::MarcaZerosCB};
}

}  // namespace quopa
