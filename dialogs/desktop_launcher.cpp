#include "dialogs/desktop_launcher.h"

namespace quopa {

namespace {

// The escapes of a value of type string: backslash and the control characters a line cannot
// hold.
std::string escaped(const std::string& value) {
    std::string out;
    for (char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// An argument of the Exec key: a word with a reserved character goes in double quotes, where
// '"', '`', '$' and '\' take a backslash. A literal '%' is always doubled.
std::string execArgument(const std::string& word) {
    static const std::string kReserved = " \t\n\"'\\><~|&;$*?#()`";
    const bool quoted = word.find_first_of(kReserved) != std::string::npos;
    std::string out = quoted ? "\"" : "";
    for (char c : word) {
        if (c == '%')
            out += "%%";
        else if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\'))
            out += std::string("\\") + c;
        else
            out += c;
    }
    return quoted ? out + "\"" : out;
}

}  // namespace

std::string execValue(const std::string& program) {
    return escaped(execArgument(program));
}

std::string launcherText(const std::string& program, const std::string& icon) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tuvel Quopa\n"
           "GenericName=Dice game\n"
           "GenericName[pt]=Jogo de dados\n"
           "Comment=Five dice and a score sheet of four columns, for one or two players\n"
           "Comment[pt]=Cinco dados e uma folha de quatro colunas, para um ou dois jogadores\n"
           "Exec=" +
           execValue(program) +
           "\n"
           "Icon=" +
           escaped(icon) +
           "\n"
           "Terminal=false\n"
           "Categories=Game;BoardGame;\n";
}

}  // namespace quopa
