#pragma once
// The product's 34 data-file extensions, each tied to a file class with a
// description, an icon in the installation root and, for some, an Open command.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace install {

enum class OpenCommand {
  None,
  Program,  // the row's command, as it is
  Notepad,  // the Windows folder's notepad.exe
};

struct FileAssociation {
  std::string_view extension;
  std::string_view class_key;    // Portuguese; looked up before use
  std::string_view description;  // Portuguese; looked up before use
  std::string_view icon_file;
  OpenCommand open;
  std::string_view program_command;  // for OpenCommand::Program
};

constexpr char kNotepadCommand[] = "\\notepad.exe %1";

// In the order a run writes them.
constexpr std::array<FileAssociation, 34> kFileAssociations = {{
    {"cad", "Arquivo CAD", "Caderneta Geolume", "pcad.ico", OpenCommand::Program, "c:\\geolume\\geolume.exe %1"},
    {"coo", "Arquivo COO", "Coordenada Geolume", "pcoo.ico", OpenCommand::Program, "c:\\geolume\\geolume.exe %1"},
    {"niv", "Arquivo NIV", "Nivelamento Geolume", "pniv.ico", OpenCommand::Program, "c:\\geolume\\nv2010.exe %1"},
    {"irr", "Arquivo IRR", "Irradiações Geolume", "pirr.ico", OpenCommand::None, ""},
    {"pol", "Arquivo POL", "Poligonal Geolume", "ppol.ico", OpenCommand::None, ""},
    {"seq", "Arquivo SEQ", "Seqüência Geolume", "pseq.ico", OpenCommand::None, ""},
    {"xyz", "Arquivo XYZ", "Arquivo XYZ Geolume", "pxyz.ico", OpenCommand::None, ""},
    {"obr", "Arquivo OBR", "Obra Geolume", "pobr.ico", OpenCommand::None, ""},
    {"cde", "Arquivo CDE", "Lista de Código Geolume", "pcde.ico", OpenCommand::None, ""},
    {"frt", "Arquivo FRT", "Formato TPS100 Geolume", "pfrt.ico", OpenCommand::None, ""},
    {"mem", "Arquivo MEM", "Estilo de Memorial Geolume", "pmem.ico", OpenCommand::None, ""},
    {"ali", "Arquivo ALI", "Alinhamento Geolume", "pali.ico", OpenCommand::Program, "c:\\geolume\\planner.exe %1"},
    {"prj", "Arquivo PRJ", "Projeto Viário Geolume", "pprj.ico", OpenCommand::Program, "c:\\geolume\\planner.exe %1"},
    {"tpo", "Arquivo TPO", "Seção Tipo Geolume", "ptpo.ico", OpenCommand::Program, "c:\\geolume\\perfil_tipo.exe %1"},
    {"sec", "Arquivo SEC", "Seções Transversais Geolume", "psec.ico", OpenCommand::None, ""},
    {"scc", "Arquivo SCC", "Seções Transversais Geolume", "pscc.ico", OpenCommand::None, ""},
    {"mdt", "Arquivo MDT", "Modelo Digital Geolume", "pmdt.ico", OpenCommand::None, ""},
    {"prg", "Arquivo PRG", "Projeto de Georreferenciamento Geolume", "incra.ico", OpenCommand::None, ""},
    {"dat", "Arquivo DAT", "Estação Total DAT", "pdat.ico", OpenCommand::Notepad, ""},
    {"tcl", "Arquivo TCL", "Estação Total TCL", "ptcl.ico", OpenCommand::Notepad, ""},
    {"geo", "Arquivo GEO", "Estação Total GEO", "pgeo.ico", OpenCommand::Notepad, ""},
    {"raw", "Arquivo RAW", "Estação Total RAW", "praw.ico", OpenCommand::Notepad, ""},
    {"tcn", "Arquivo TCN", "Estação Total TCN", "ptcn.ico", OpenCommand::Notepad, ""},
    {"med", "Arquivo MED", "Estação Total MED", "pmed.ico", OpenCommand::Notepad, ""},
    {"cor", "Arquivo COR", "Estação Total COR", "pcor.ico", OpenCommand::Notepad, ""},
    {"nik", "Arquivo NIK", "Estação Total NIK", "pnik.ico", OpenCommand::Notepad, ""},
    {"god", "Arquivo GOD", "Estação Total GOD", "pgod.ico", OpenCommand::Notepad, ""},
    {"pen", "Arquivo PEN", "Estação Total PEN", "ppen.ico", OpenCommand::Notepad, ""},
    {"m21", "Arquivo M21", "Estação Total M21", "pm21.ico", OpenCommand::Notepad, ""},
    {"c21", "Arquivo C21", "Estação Total C21", "pc21.ico", OpenCommand::Notepad, ""},
    {"zei", "Arquivo ZEI", "Estação Total ZEI", "pzei.ico", OpenCommand::Notepad, ""},
    {"rw5", "Arquivo RW5", "Estação Total RW5", "prw5.ico", OpenCommand::Notepad, ""},
    {"asc", "Arquivo ASC", "Arquivo ASC", "pasc.ico", OpenCommand::Notepad, ""},
    {"cfg", "Arquivo CFG", "Arquivo CFG", "pcfg.ico", OpenCommand::None, ""},
}};

// The row's Open command; windows_folder has no trailing backslash.
std::optional<std::string> OpenCommandOf(const FileAssociation& row, const std::string& windows_folder);

// Writes the extension's class, the class's description and icon and, when
// given, its Open command. Nothing is deleted. Throws InstallError when a key
// or value cannot be written.
void RegisterFileType(platform::Registry& registry, const std::string& extension,
                      const std::string& class_key, const std::string& description,
                      const std::string& icon_file, const std::optional<std::string>& open_command);

}  // namespace install
