#include "game/sheet/column_sums.h"

#include "runtime/values.h"

namespace quopa {

bool AlgumaPreenchida(LabelArray& column, int first, int last) {
    for (int row = first; row <= last; ++row)
        if (!CasaVazia(column[row])) return true;
    return false;
}

bool TodasPreenchidas(LabelArray& column, int first, int last) {
    for (int row = first; row <= last; ++row)
        if (CasaVazia(column[row])) return false;
    return true;
}

double SomaDasLinhas(LabelArray& column, int first, int last) {
    double sum = 0;
    for (int row = first; row <= last; ++row) sum += ValorDaCasa(column[row]);
    return sum;
}

std::string TextoDoTotalGeral(double pontos) {
    return "Total:  " + rt::Str(pontos);
}

}  // namespace quopa
