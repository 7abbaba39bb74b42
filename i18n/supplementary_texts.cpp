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
    // The product's folders: folder, error code; the root a link; the files found, one per line.
    SupplementaryText{
        "Não foi possível proteger a pasta %s contra alterações de usuários sem privilégios de administrador "
        "(erro %s).",
        "No fue posible proteger la carpeta %s contra cambios de usuarios sin privilegios de administrador "
        "(error %s)."},
    SupplementaryText{
        "c:\\Geolume é um atalho (junção ou link simbólico) para outra pasta. A instalação não continua: remova-o "
        "e instale novamente.",
        "c:\\Geolume es un enlace (unión o vínculo simbólico) a otra carpeta. La instalación no continúa: elimínelo "
        "e instale nuevamente."},
    SupplementaryText{
        "A pasta c:\\Geolume pertencia a outra conta e agora só administradores podem alterá-la. Estes arquivos de "
        "programa não vêm do CD de instalação e não foram apagados; verifique-os:%s",
        "La carpeta c:\\Geolume pertenecía a otra cuenta y ahora solo los administradores pueden cambiarla. Estos "
        "archivos de programa no vienen del CD de instalación y no fueron borrados; verifíquelos:%s"},
    // The configuration at logon, which leaves c:\geolume as it is: file.
    SupplementaryText{
        "O arquivo %s não contém o que o Geolume escreve nele; peça ao administrador que instale o Geolume de novo.",
        "El archivo %s no contiene lo que el Geolume escribe en él; pida al administrador que instale el Geolume de "
        "nuevo."},
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
    SupplementaryText{
        "%s: não foi executado para cancelar o seu registro, porque usuários sem privilégios de administrador "
        "podem alterá-lo.",
        "%s: no fue ejecutado para cancelar su registro, porque usuarios sin privilegios de administrador "
        "pueden cambiarlo."},
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
    // The command line, the unattended run and its log.
    SupplementaryText{"Sem janela o contrato não pode ser mostrado: aceite-o com /acceptlicense. Nada foi alterado.",
                      "Sin ventana el contrato no puede mostrarse: acéptelo con /acceptlicense. No se modificó "
                      "nada."},
    SupplementaryText{"Opção inválida na linha de comando: %s", "Opción no válida en la línea de comandos: %s"},
    SupplementaryText{"O Windows precisa ser reiniciado para concluir a instalação.",
                      "Windows debe reiniciarse para concluir la instalación."},
    SupplementaryText{"Instalação concluída.", "Instalación concluida."},
    SupplementaryText{"Código de saída: %s", "Código de salida: %s"},
    SupplementaryText{
        "Instalar.exe [opções], em qualquer ordem, com / ou -:\r\n"
        "\r\n"
        "/quiet - sem janela e sem mensagens\r\n"
        "/passive - só a janela com o progresso, sem perguntas\r\n"
        "/acceptlicense - aceita o contrato de licença; exigido com /quiet e /passive\r\n"
        "/lang=pt ou /lang=es - o idioma da instalação (pt se omitido)\r\n"
        "/cad=all ou /cad=none - configurar todos os perfis CAD do usuário, ou nenhum (all se omitido)\r\n"
        "/log=ARQUIVO - registra cada passo e cada mensagem nesse arquivo\r\n"
        "/norestart - não oferece reiniciar o Windows\r\n"
        "/configurecad - só a configuração dos perfis CAD do usuário, nada é instalado\r\n"
        "/uninstall - a desinstalação\r\n"
        "/? ou /help - esta lista\r\n"
        "\r\n"
        "Códigos de saída: 0 sucesso; 3010 sucesso, o Windows precisa ser reiniciado; 1602 cancelado; "
        "1603 falha; 87 linha de comando inválida.",
        "Instalar.exe [opciones], en cualquier orden, con / o -:\r\n"
        "\r\n"
        "/quiet - sin ventana y sin mensajes\r\n"
        "/passive - solo la ventana con el progreso, sin preguntas\r\n"
        "/acceptlicense - acepta el contrato de licencia; obligatorio con /quiet y /passive\r\n"
        "/lang=pt o /lang=es - el idioma de la instalación (pt si se omite)\r\n"
        "/cad=all o /cad=none - configurar todos los perfiles CAD del usuario, o ninguno (all si se omite)\r\n"
        "/log=ARCHIVO - registra cada paso y cada mensaje en ese archivo\r\n"
        "/norestart - no ofrece reiniciar Windows\r\n"
        "/configurecad - solo la configuración de los perfiles CAD del usuario, no se instala nada\r\n"
        "/uninstall - la desinstalación\r\n"
        "/? o /help - esta lista\r\n"
        "\r\n"
        "Códigos de salida: 0 éxito; 3010 éxito, Windows debe reiniciarse; 1602 cancelado; "
        "1603 error; 87 línea de comandos no válida."},
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
