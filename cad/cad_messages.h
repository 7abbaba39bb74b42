#pragma once
// The texts the CAD integration shows. Only the closing texts are looked up
// in the dictionary; the others stay as they are in every language.
namespace cad::messages {

constexpr char kAutoCadOpen[] =
    "Existe um AutoCAD Aberto. Por favor feche todas as janelas do AutoCAD que estiverem abertas e "
    "tente novamente!!!";
constexpr char kBricsCadOpen[] =
    "Existe um BricsCAD Aberto. Por favor feche todas as janelas do BricsCAD que estiverem abertas "
    "e tente novamente!!!";
constexpr char kGstarCadOpen[] =
    "Existe um GstarCAD Aberto. Por favor feche todas as janelas do GstarCAD que estiverem abertas "
    "e tente novamente!!!";

// Put around the text of the profile's line.
constexpr char kSearchPathNotWritten[] = "Não foi possível gravar o caminho de busca no ";
constexpr char kTrustedPathNotWritten[] = "Não foi possível gravar o caminho confiável no ";
constexpr char kDoItManually[] = ". Esta configuração terá que ser realizada manualmente!";
constexpr char kLispSysNotWritten[] =
    "Não foi possível gravar a variável LISPSYS. Esta configuração terá que ser realizada "
    "manualmente!";

// Put around the startup file's path, with a lone carriage return between.
constexpr char kStartupFileNotMoved[] = "Não foi possível renonear o arquivo ";
constexpr char kMoveItManually[] = "\rPor favor renomeie ou apague o arquivo manualmente.";

// Looked up. File, error code.
constexpr char kStartupFileNotProtected[] =
    "Não foi possível proteger o arquivo %s contra alterações de usuários sem privilégios de administrador "
    "(erro %s).";

// Looked up. File: at logon, where the user may not write it, the product's
// startup file does not hold what the configuration would have written.
constexpr char kStartupFileWrong[] =
    "O arquivo %s não contém o que o Geolume escreve nele; peça ao administrador que instale o Geolume de novo.";

constexpr char kConfigured[] = "Configuração no AutoCAD/BricsCAD/GstarCAD Efetuada com Sucesso.";
constexpr char kConfiguredPartly[] =
    "Configuração no AutoCAD/BricsCAD/GstarCAD concluída, mas algumas configurações terão que ser "
    "realizadas manualmente.";

// What stops a listing or a configuration; formats, looked up before the
// values go in. Value name, key.
constexpr char kInvalidValueType[] = "Tipo de dado inválido no valor '%s' de %s";
// Profile key, the count as found.
constexpr char kStartupSuiteCountInvalid[] =
    "O grupo de inicialização do perfil do GstarCAD %s tem 'NumStartup' = '%s', que não é uma "
    "contagem de no máximo 4 dígitos decimais";

// The title of the closing information box.
constexpr char kInformationCaption[] = "Information";

}  // namespace cad::messages
