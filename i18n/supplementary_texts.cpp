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
