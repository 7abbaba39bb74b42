#pragma once
// The texts of the program's own boxes and of its log, in Portuguese; each is
// looked up in the dictionary before use.
namespace shell::messages {

constexpr char kAgreementDeclined[] = "As condições do Contrato Não Foram Aceitas. Instalação Cancelada.";
constexpr char kAgreementNotInCommand[] =
    "Sem janela o contrato não pode ser mostrado: aceite-o com /acceptlicense. Nada foi alterado.";
// The argument as given.
constexpr char kBadArgument[] = "Opção inválida na linha de comando: %s";
constexpr char kRestartNeeded[] = "O Windows precisa ser reiniciado para concluir a instalação.";
// The logon program, when its run at the next logon cannot be arranged; said
// as it stands, since it may be said before the dictionary could be read.
constexpr char kRetryNotArranged[] = "Não foi possível programar uma nova tentativa no próximo logon do usuário.";
constexpr char kInstallationDone[] = "Instalação concluída.";
// The code as a number.
constexpr char kExitCode[] = "Código de saída: %s";
constexpr char kHelp[] =
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
    "1603 falha; 87 linha de comando inválida.";

}  // namespace shell::messages
