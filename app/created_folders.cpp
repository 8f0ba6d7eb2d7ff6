#include "app/created_folders.h"

#include "app/module1.h"
#include "runtime/errors.h"
#include "runtime/files.h"
#include "runtime/values.h"

namespace quopa {

PastaCriada PegaPastaEspecialCriada(int32_t pasta) {
    const std::string caminho = rt::Trim(PegaPastaEspecial(pasta));
    if (caminho.empty()) return {};
    if (PastaExiste(caminho)) return {caminho, ""};
    try {
        rt::MakeFolders(caminho);
        return {caminho, ""};
    } catch (const rt::RuntimeError&) {
        return {"", rt::fileInTheWay(caminho).value_or("")};
    }
}

}  // namespace quopa
