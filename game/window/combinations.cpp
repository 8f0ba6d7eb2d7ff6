// Combination evaluation: reads the five faces and writes the roll summary (faces, sum, the six
// combination indicators) that the score sheet and the play aids work from, then has the play
// aids mark the player's sheet.
#include <array>
#include <string>

#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// The captions of one language. The prefixes are followed by the face of the combination; the
// sheet reads that face back from the end of the caption, so nothing may follow it.
struct TextosDeCombinacao {
    const char* trinca;
    const char* quadra;
    const char* seguidaMaxima;
    const char* seguidaMinima;
};

constexpr TextosDeCombinacao kPortugues{"Trinca de ", "Quadra de ", "Seguida Máxima",
                                        "Seguida Mínima"};
constexpr TextosDeCombinacao kIngles{"Three of ", "Four of ", "Maxim Straight", "Minim Straight"};

// The ten triples of dice (0-based positions), in the order they are tried: the last matching
// triple names the face in the captions, so the order is part of the behaviour.
constexpr std::array<std::array<int, 3>, 10> kTrincas{{
    {0, 1, 2},
    {0, 1, 3},
    {0, 1, 4},
    {0, 2, 3},
    {0, 2, 4},
    {0, 3, 4},
    {1, 2, 3},
    {1, 2, 4},
    {1, 3, 4},
    {2, 3, 4},
}};

bool TemTodos(const std::string& resultado, const char* digitos) {
    for (const char* d = digitos; *d; ++d)
        if (resultado.find(*d) == std::string::npos) return false;
    return true;
}

// A face is "1".."6"; a die still to be rolled reads "0" and makes no combination.
bool EhFace(const std::string& caption) {
    return caption.size() == 1 && caption[0] >= '1' && caption[0] <= '6';
}

bool CincoIguais(const std::string& resultado) {
    return resultado.size() == 5 && resultado[0] >= '1' && resultado[0] <= '6' &&
           resultado.find_first_not_of(resultado[0]) == std::string::npos;
}

}  // namespace

void frmQUOPA::VerificaCombinacoes(int16_t& Sons) {
    // 1. The captions of the language.
    const TextosDeCombinacao& textos = Idioma == "0" ? kPortugues : kIngles;
    lblSegMx.setCaption(textos.seguidaMaxima);
    lblSegMn.setCaption(textos.seguidaMinima);

    // 2, 3. The faces as digits and their sum.
    const std::array<const rt::Label*, 5> faces{&Label1, &Label2, &Label3, &Label4, &Label5};
    std::string resultado;
    double soma = 0;
    for (const rt::Label* face : faces) {
        resultado += face->caption();
        soma += rt::Val(face->caption());
    }
    lblResultado.setCaption(resultado);
    lblPontos.setCaption(rt::CStr(soma));

    if (CincoIguais(lblResultado.caption())) {
        // 4. Five of a kind also counts as three and four of a kind, never as a full house.
        const std::string face(1, lblResultado.caption()[0]);
        lblQuopa.setVisible(true);
        lblTrinca.setVisible(true);
        lblTrinca.setCaption(textos.trinca + face);
        lblQuadra.setVisible(true);
        lblQuadra.setCaption(textos.quadra + face);
        lblFull.setVisible(false);
        lblSegMx.setVisible(false);
        lblSegMn.setVisible(false);
        if (Sons == 1) TocaAplauso();
    } else {
        // 5. Any other roll.
        lblQuopa.setVisible(false);
        lblSegMx.setVisible(TemTodos(lblResultado.caption(), "62345"));
        lblSegMn.setVisible(TemTodos(lblResultado.caption(), "12345"));
        bool trinca = false;
        bool full = false;
        bool quadra = false;
        for (const auto& t : kTrincas) {
            const std::string& a = faces[t[0]]->caption();
            if (!EhFace(a) || a != faces[t[1]]->caption() || a != faces[t[2]]->caption()) continue;
            trinca = true;
            lblTrinca.setCaption(textos.trinca + a);
            // The two dice outside the triple.
            std::array<const std::string*, 2> fora{};
            int n = 0;
            for (int i = 0; i < 5; ++i)
                if (i != t[0] && i != t[1] && i != t[2]) fora[n++] = &faces[i]->caption();
            if (*fora[0] == *fora[1]) full = true;
            if (*fora[0] == a || *fora[1] == a) {
                quadra = true;
                lblQuadra.setCaption(textos.quadra + a);
            }
        }
        lblTrinca.setVisible(trinca);
        lblFull.setVisible(full);
        lblQuadra.setVisible(quadra);
    }

    // 6. Without the option to indicate possibilities there are no marks and no complaint.
    if (!mnuPossibilidade.checked()) return;

    const std::string& quemJoga = lblQuemJoga.caption();
    if (rt::Val(lblJogadas.caption()) == 1) {
        // 7. After the first roll of a turn; column S takes points only now.
        if (quemJoga == "1") {
            if (Jogad1.fontItalic()) {
                MarcaPossiveisS();
                if (lblTermOquePor.caption() == "0") {
                    if (Sons == 1) TocaReclamacao();
                    MarcaZerosJogador1();
                }
            } else {
                MarcaPossiveisS();
                MarcaPossiveisC();
                MarcaPossiveisB();
                MarcaPossiveisD();
            }
        } else if (quemJoga == "2") {
            if (Jogad2.fontItalic()) {
                MarcaPossiveisSB();
                if (lblTermOquePor.caption() == "0") {
                    if (Sons == 1) TocaReclamacao();
                    MarcaZerosJogador2();
                }
            } else {
                MarcaPossiveisSB();
                MarcaPossiveisCB();
                MarcaPossiveisBB();
                MarcaPossiveisDB();
            }
        }
    } else if (quemJoga == "1") {
        // 8. After a later roll column S is no longer marked.
        MarcaPossiveisC();
        MarcaPossiveisB();
        MarcaPossiveisD();
    } else {
        MarcaPossiveisCB();
        MarcaPossiveisBB();
        MarcaPossiveisDB();
    }

    // 9. The last roll with no box for the dice: only a zero is left to write.
    if (lblJogadas.caption() == lblPodeJogar.caption() && lblTermOquePor.caption() == "0") {
        if (Sons == 1) TocaReclamacao();
        if (quemJoga == "1") {
            MarcaZerosC();
            MarcaZerosJogador1();
        } else if (quemJoga == "2") {
            MarcaZerosCB();
            MarcaZerosJogador2();
        }
    }
}

}  // namespace quopa
