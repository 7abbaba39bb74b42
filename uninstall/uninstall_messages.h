#pragma once
// The reasons the uninstall gives for what it leaves in place: Portuguese
// formats whose %s places take the values in order, looked up in the user's
// language (their Spanish is in i18n/supplementary_texts.cpp).
namespace uninstall::messages {

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
