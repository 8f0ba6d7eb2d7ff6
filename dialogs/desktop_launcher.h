// Freedesktop launchers (".desktop" files) that start the program: what desktops and application
// menus on Linux show as a shortcut.
#pragma once

#include <string>

namespace quopa {

// The launcher's file name, in any folder it is put in.
inline constexpr const char* kArquivoDoAtalho = "dazivuvera.desktop";
// The program file and its icon, beside each other in the program folder.
inline constexpr const char* kArquivoDoPrograma = "Dazivuvera";
inline constexpr const char* kArquivoDoIcone = "dazivuvera.png";

// The text of a launcher that starts `program` (an absolute path) with the picture `icon` (an
// absolute path). Any character of the paths is allowed: they are quoted and escaped as the
// Desktop Entry format asks, so the command names exactly that file.
std::string launcherText(const std::string& program, const std::string& icon);

// The Exec value that runs `program` with no arguments: quoted when it holds a character the
// format reserves, with '%' doubled and the format's string escapes applied.
std::string execValue(const std::string& program);

}  // namespace quopa
