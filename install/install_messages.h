#pragma once
// The texts the installation shows, in Portuguese. Those of the run and the
// copy are looked up in the dictionary before use; the registration errors
// are shown as they are.
namespace install::messages {

constexpr char kErrorCaption[] = "Erro na Instalação";

// Status line.
constexpr char kCreatingFolders[] = "Criando diretório de Instalação";
constexpr char kCopyingFiles[] = "Copiando Arquivos...";
constexpr char kCreatingShortcuts[] = "Criando atalhos...";

constexpr char kMissingFolder[] = "Não existe o diretório %s no CD. Solicite um novo CD de Instalação";
constexpr char kRootNotCreated[] = "Não foi possível criar o diretório de instalação c:\\Geolume.";

// The file lines of the progress panel.
constexpr char kCopyFrom[] = " De: %s";
constexpr char kCopyTo[] = " Para: %s";

// Error code, source, target, extra text.
constexpr char kCopyFailed[] = "Erro %s ao copiar o arquivo %s para %s.%s";
// Error code, source folder.
constexpr char kFolderNotListed[] = "Erro %s ao ler o diretório %s do CD.";
// Source, target.
constexpr char kFileNotHandled[] = "Erro ao copiar o arquivo %s para %s.";
constexpr char kSharingHint[] =
    "Provavelmente este arquivo está sendo utilizado por outro programa. Feche todos os arquivos e "
    "programas do Sistema Geolume e do Autocad.";

// File, error code.
constexpr char kNotProtected[] =
    "Não foi possível proteger o arquivo %s contra alterações de usuários sem privilégios de administrador "
    "(erro %s).";

// Folder, error code.
constexpr char kFolderNotProtected[] =
    "Não foi possível proteger a pasta %s contra alterações de usuários sem privilégios de administrador "
    "(erro %s).";
constexpr char kRootIsLink[] =
    "c:\\Geolume é um atalho (junção ou link simbólico) para outra pasta. A instalação não continua: remova-o "
    "e instale novamente.";
// The files, one per line.
constexpr char kRootTakenBack[] =
    "A pasta c:\\Geolume pertencia a outra conta e agora só administradores podem alterá-la. Estes arquivos de "
    "programa não vêm do CD de instalação e não foram apagados; verifique-os:%s";

// The caption of the registration errors: the application's title.
constexpr char kApplicationTitle[] = "Instalar";

}  // namespace install::messages
