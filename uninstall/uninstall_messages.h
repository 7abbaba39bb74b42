#pragma once
// The texts of the uninstall, in Portuguese: formats whose %s places take the
// values in order, looked up in the user's language (their Spanish is in
// i18n/supplementary_texts.cpp).
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
constexpr char kInstalledFileNotRemoved[] = "%s: não pôde ser removido (erro %s).";
constexpr char kRootKept[] = "%s: contém arquivos que não são da instalação.";
constexpr char kNotStartedUnprotected[] =
    "%s: não foi executado para cancelar o seu registro, porque usuários sem privilégios de administrador "
    "podem alterá-lo.";
constexpr char kClassValueChanged[] = "HKEY_CLASSES_ROOT\\%s: alterado depois da instalação.";

// Why a CAD setting or a startup file stayed.
// Value name, key.
constexpr char kValueChanged[] = "O valor %s de %s foi alterado depois da configuração e foi mantido.";
constexpr char kValueNotRestored[] = "O valor %s de %s não pôde ser restaurado.";
// Suite key, the count as found.
constexpr char kStartupSuiteCountInvalid[] =
    "O grupo de inicialização %s tem 'NumStartup' = '%s', que não é uma contagem válida, e foi mantido.";
// Key.
constexpr char kKeyNotRemoved[] = "A chave %s não pôde ser removida.";
// Set-aside file, its former name.
constexpr char kFormerNameInUse[] = "O arquivo %s não voltou ao nome %s, que já está em uso.";
constexpr char kNotRenamedBack[] = "O arquivo %s não pôde voltar ao nome %s.";
// File.
constexpr char kFileNotRemoved[] = "O arquivo %s não pôde ser removido.";
// What the entry names.
constexpr char kEntryIgnored[] = "Entrada do registro de alterações ignorada: %s";

}  // namespace uninstall::messages
