#pragma once
// The texts of the uninstall, in Portuguese; each has its Spanish in the
// table of texts beyond the dictionary.
namespace uninstall::messages {

constexpr char kProductName[] = "Sistema de Automação Topográfica Geolume";
constexpr char kNotRegistered[] =
    "Não foi possível registrar a desinstalação no Windows. O programa foi instalado, mas terá que ser "
    "removido manualmente.";

constexpr char kCaption[] = "Desinstalação do Geolume";
constexpr char kConfirm[] =
    "Deseja remover o Sistema de Automação Topográfica Geolume e desfazer a configuração dos programas CAD?";
constexpr char kNothingInstalled[] = "O Sistema de Automação Topográfica Geolume não está instalado.";
constexpr char kDone[] = "A desinstalação foi concluída.";
constexpr char kDoneWithLeft[] = "A desinstalação foi concluída. Ficaram no lugar:";

// The list of what was left in place: one format each.
constexpr char kFileChanged[] = "%s: alterado depois da instalação.";
constexpr char kFileNotRemoved[] = "%s: não pôde ser removido (erro %s).";
constexpr char kRootKept[] = "%s: contém arquivos que não são da instalação.";
constexpr char kClassValueChanged[] = "HKEY_CLASSES_ROOT\\%s: alterado depois da instalação.";
constexpr char kEntryRefused[] = "Entrada do registro ignorada: %s";

}  // namespace uninstall::messages
