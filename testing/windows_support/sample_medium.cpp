#include "testing/windows_support/sample_medium.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

#include "platform/win32/wide_text.h"
#include "testing/windows_support/driver.h"

namespace wintest {

namespace {

void Write(const std::string& path, const std::string& content, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  std::string folder = path.substr(0, path.find_last_of('\\'));
  MakeFolders(folder);
  SetFileAttributesW(platform::Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  {
    std::ofstream out(platform::Widen(path).c_str(), std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + path);
  }
  SetFileAttributesW(platform::Widen(path).c_str(), attributes);
}

void Copy(const std::string& from, const std::string& to) {
  MakeFolders(to.substr(0, to.find_last_of('\\')));
  if (!CopyFileW(platform::Widen(from).c_str(), platform::Widen(to).c_str(), FALSE)) {
    throw std::runtime_error("cannot copy " + from);
  }
}

void LanguageFolders(const std::string& base, const std::vector<std::string>& names) {
  for (const char* language : {"Port", "Esp"}) {
    for (const std::string& name : names) {
      Write(base + "\\" + language + "\\" + name, name + " (" + language + ")\r\n");
    }
  }
}

}  // namespace

const std::vector<std::string>& AssociationIcons() {
  static const std::vector<std::string> icons = {
      "pcad.ico", "pcoo.ico", "pniv.ico", "pirr.ico", "ppol.ico", "pseq.ico", "pxyz.ico", "pobr.ico",
      "pcde.ico", "pfrt.ico", "pmem.ico", "pali.ico", "pprj.ico", "ptpo.ico", "psec.ico", "pscc.ico",
      "pmdt.ico", "incra.ico", "pdat.ico", "ptcl.ico", "pgeo.ico", "praw.ico", "ptcn.ico", "pmed.ico",
      "pcor.ico", "pnik.ico", "pgod.ico", "ppen.ico", "pm21.ico", "pc21.ico", "pzei.ico", "prw5.ico",
      "pasc.ico", "pcfg.ico"};
  return icons;
}

std::string MakeSampleMedium(const std::string& m, const MediumOptions& options) {
  std::string exe = MakeMedium(m);
  const std::string stubs = BuildFolder() + "\\testing\\medium-stubs\\";
  const std::string icon = BuildFolder() + "\\resources\\artwork\\geolume.ico";

  if (options.with_programa) {
    for (const char* stub : {"geolume.exe", "plotsum.exe", "drafter.exe", "tx4ole17.ocx", "FVC.OCX"}) {
      Copy(stubs + stub, m + "\\programa\\" + stub);
    }
    for (const std::string& name : AssociationIcons()) Copy(icon, m + "\\programa\\" + name);
    for (const char* table : {"TabelaEquipamentosGeorreferenciamento.tbp", "TabelaPessoasGeorreferenciamento.tbp",
                              "TabelaProfissionaisGeorreferenciamento.tbp",
                              "TabelaVerticesUtilizadosGeorreferenciamento.tbp"}) {
      Write(m + "\\programa\\" + table, std::string("tabela vazia: ") + table + "\r\n");
    }
    Write(m + "\\programa\\descritivo.cfg", "[descritivo]\r\nmodelo=antigo\r\n");
    Write(m + "\\programa\\leiame.txt", "Leia-me geral\r\n");
    Write(m + "\\programa\\geolume.hlp", "ajuda\r\n", FILE_ATTRIBUTE_HIDDEN);
    Write(m + "\\programa\\geolume.sys", "sistema\r\n", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    Write(m + "\\programa\\Port\\leiame.txt", "Leia-me em portugues\r\n");
    Write(m + "\\programa\\Esp\\leiame.txt", "Lea-me en espanol\r\n");
    Write(m + "\\programa\\Port\\mensagens.txt", "mensagens\r\n");
    Write(m + "\\programa\\Esp\\mensagens.txt", "mensajes\r\n");
    Write(m + "\\programa\\especial\\geolume.ini", "[geolume]\r\nversao=4\r\n");
  }
  LanguageFolders(m + "\\demos", {"demo1.cad", "demo2.coo", "demo3.niv"});
  Write(m + "\\sistema\\" + kSystemFile, "biblioteca do sistema\r\n");
  LanguageFolders(m + "\\formatos", {"tps100.frt", "leica.frt"});
  LanguageFolders(m + "\\perfil_tipo", {"pista.tpo"});
  LanguageFolders(m + "\\simbolos", {"arvore.sld", "poste.sld", "marco.sld"});
  LanguageFolders(m + "\\relatorios", {"memorial.rtf", "confrontantes.rtf"});
  if (options.with_tutorial) LanguageFolders(m + "\\tutorial", {"aula1.pdf"});
  LanguageFolders(m + "\\modelos", {"modelo.dwt"});
  if (options.with_rbmc) Write(m + "\\rbmc\\estacoes.txt", "POLI SPAR\r\n");
  return exe;
}

}  // namespace wintest
