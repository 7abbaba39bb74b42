#include "i18n/supplementary_texts.h"

#include <array>

#include "i18n/iv_dictionary.h"

namespace i18n {

namespace {

constexpr int kSpanish = 2;

struct SupplementaryText {
  std::string_view portuguese;
  std::string_view spanish;
};

constexpr std::array kTexts{
    // The copy: error code, medium folder.
    SupplementaryText{"Erro %s ao ler o diretório %s do CD.", "Error %s al leer el directorio %s del CD."},
    // The CAD listing and configuration: value name and key; profile key and count.
    SupplementaryText{"Tipo de dado inválido no valor '%s' de %s", "Tipo de dato no válido en el valor '%s' de %s"},
    SupplementaryText{
        "O grupo de inicialização do perfil do GstarCAD %s tem 'NumStartup' = '%s', que não é uma "
        "contagem de no máximo 4 dígitos decimais",
        "El grupo de inicio del perfil de GstarCAD %s tiene 'NumStartup' = '%s', que no es un "
        "número de como máximo 4 dígitos decimales"},
    // A file only administrators may change: file, error code.
    SupplementaryText{
        "Não foi possível proteger o arquivo %s contra alterações de usuários sem privilégios de administrador "
        "(erro %s).",
        "No fue posible proteger el archivo %s contra cambios de usuarios sin privilegios de administrador "
        "(error %s)."},
    // The uninstall and its entry in Windows' list of programs.
    SupplementaryText{"Sistema de Automação Topográfica Geolume", "Sistema de Automación Topográfica Geolume"},
    SupplementaryText{
        "Não foi possível registrar a desinstalação no Windows. O programa foi instalado, mas terá que ser "
        "removido manualmente.",
        "No fue posible registrar la desinstalación en Windows. El programa fue instalado, pero tendrá que ser "
        "eliminado manualmente."},
    SupplementaryText{"Desinstalação do Geolume", "Desinstalación del Geolume"},
    SupplementaryText{
        "Deseja remover o Sistema de Automação Topográfica Geolume e desfazer a configuração dos programas CAD?",
        "¿Desea eliminar el Sistema de Automación Topográfica Geolume y deshacer la configuración de los "
        "programas CAD?"},
    SupplementaryText{"O Sistema de Automação Topográfica Geolume não está instalado.",
                      "El Sistema de Automación Topográfica Geolume no está instalado."},
    SupplementaryText{"A desinstalação foi concluída.", "La desinstalación fue concluida."},
    SupplementaryText{"A desinstalação foi concluída. Ficaram no lugar:",
                      "La desinstalación fue concluida. Quedaron en su lugar:"},
    SupplementaryText{"%s: alterado depois da instalação.", "%s: modificado después de la instalación."},
    SupplementaryText{"%s: não pôde ser removido (erro %s).", "%s: no pudo ser eliminado (error %s)."},
    SupplementaryText{"%s: contém arquivos que não são da instalação.",
                      "%s: contiene archivos que no son de la instalación."},
    SupplementaryText{"HKEY_CLASSES_ROOT\\%s: alterado depois da instalação.",
                      "HKEY_CLASSES_ROOT\\%s: modificado después de la instalación."},
    // What the uninstall leaves in place: value name and key; suite key and
    // count; key; file and its former name; file; the record's entry.
    SupplementaryText{"O valor %s de %s foi alterado depois da configuração e foi mantido.",
                      "El valor %s de %s fue modificado después de la configuración y se mantuvo."},
    SupplementaryText{"O valor %s de %s não pôde ser restaurado.", "No se pudo restaurar el valor %s de %s."},
    SupplementaryText{
        "O grupo de inicialização %s tem 'NumStartup' = '%s', que não é uma contagem válida, e foi mantido.",
        "El grupo de inicio %s tiene 'NumStartup' = '%s', que no es un número válido, y se mantuvo."},
    SupplementaryText{"A chave %s não pôde ser removida.", "No se pudo eliminar la clave %s."},
    SupplementaryText{"O arquivo %s não voltou ao nome %s, que já está em uso.",
                      "El archivo %s no volvió al nombre %s, que ya está en uso."},
    SupplementaryText{"O arquivo %s não pôde voltar ao nome %s.", "El archivo %s no pudo volver al nombre %s."},
    SupplementaryText{"O arquivo %s não pôde ser removido.", "No se pudo eliminar el archivo %s."},
    SupplementaryText{"Entrada do registro de alterações ignorada: %s", "Entrada del registro de cambios ignorada: %s"},
};

}  // namespace

std::optional<std::string> SupplementaryTranslation(std::string_view portuguese, int language) {
  if (language != kSpanish) return std::nullopt;
  for (const SupplementaryText& row : kTexts) {
    if (row.portuguese == portuguese) return std::string(row.spanish);
  }
  return std::nullopt;
}

std::string LookUpText(TIvDictionary& dictionary, const std::string& text) {
  if (dictionary.Active() && !text.empty() && !dictionary.FindTranslation(text)) {
    if (auto own = SupplementaryTranslation(text, dictionary.CurrentLanguageIndex())) return *own;
  }
  return dictionary.Translate(text);
}

}  // namespace i18n
