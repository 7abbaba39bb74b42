#include <string>
#include <vector>

#include "install/file_associations.h"
#include "tests/host/install/install_fixture.h"

namespace {

using install_testing::InstallTest;
using platform::RegistryRoot;

struct Expected {
  const char* extension;
  const char* portuguese_class;
  const char* spanish_class;
  const char* portuguese_description;
  const char* spanish_description;
  const char* icon;
  const char* command;  // "notepad" for the Windows folder's Notepad, "" for none
};

const std::vector<Expected> kRows = {
    {"cad", "Arquivo CAD", "Archivo CAD", "Caderneta Geolume", "Libreta Geolume", "pcad.ico", "c:\\geolume\\geolume.exe %1"},
    {"coo", "Arquivo COO", "Archivo COO", "Coordenada Geolume", "Coordenada Geolume", "pcoo.ico", "c:\\geolume\\geolume.exe %1"},
    {"niv", "Arquivo NIV", "Archivo NIV", "Nivelamento Geolume", "Nivelación Geolume", "pniv.ico", "c:\\geolume\\nv2010.exe %1"},
    {"irr", "Arquivo IRR", "Archivo IRR", "Irradiações Geolume", "Radiaciones Geolume", "pirr.ico", ""},
    {"pol", "Arquivo POL", "Archivo POL", "Poligonal Geolume", "Poligonal Geolume", "ppol.ico", ""},
    {"seq", "Arquivo SEQ", "Archivo SEQ", "Seqüência Geolume", "Secuencia Geolume", "pseq.ico", ""},
    {"xyz", "Arquivo XYZ", "Archivo XYZ", "Arquivo XYZ Geolume", "Archivo XYZ Geolume", "pxyz.ico", ""},
    {"obr", "Arquivo OBR", "Archivo OBR", "Obra Geolume", "Obra Geolume", "pobr.ico", ""},
    {"cde", "Arquivo CDE", "Archivo CDE", "Lista de Código Geolume", "Lista de Codigos Geolume", "pcde.ico", ""},
    {"frt", "Arquivo FRT", "Archivo FRT", "Formato TPS100 Geolume", "Formato TPS100 Geolume", "pfrt.ico", ""},
    {"mem", "Arquivo MEM", "Archivo MEM", "Estilo de Memorial Geolume", "Estilo del Memorial Geolume", "pmem.ico", ""},
    {"ali", "Arquivo ALI", "Archivo ALI", "Alinhamento Geolume", "Alineamiento Geolume", "pali.ico", "c:\\geolume\\planner.exe %1"},
    {"prj", "Arquivo PRJ", "Archivo PRJ", "Projeto Viário Geolume", "Proyecto Vial Geolume", "pprj.ico", "c:\\geolume\\planner.exe %1"},
    {"tpo", "Arquivo TPO", "Archivo TPO", "Seção Tipo Geolume", "Sección Tipo Geolume", "ptpo.ico", "c:\\geolume\\perfil_tipo.exe %1"},
    {"sec", "Arquivo SEC", "Archivo SEC", "Seções Transversais Geolume", "Secciones Transversales Geolume", "psec.ico", ""},
    {"scc", "Arquivo SCC", "Archivo SCC", "Seções Transversais Geolume", "Secciones Transversales Geolume", "pscc.ico", ""},
    {"mdt", "Arquivo MDT", "Archivo MDT", "Modelo Digital Geolume", "Modelo Digital Geolume", "pmdt.ico", ""},
    {"prg", "Arquivo PRG", "Arquivo PRG", "Projeto de Georreferenciamento Geolume", "Projeto de Georreferenciamento Geolume", "incra.ico", ""},
    {"dat", "Arquivo DAT", "Archivo DAT", "Estação Total DAT", "Estación Total DAT", "pdat.ico", "notepad"},
    {"tcl", "Arquivo TCL", "Archivo TCL", "Estação Total TCL", "Estación Total TCL", "ptcl.ico", "notepad"},
    {"geo", "Arquivo GEO", "Archivo GEO", "Estação Total GEO", "Estación Total GEO", "pgeo.ico", "notepad"},
    {"raw", "Arquivo RAW", "Archivo RAW", "Estação Total RAW", "Estación Total RAW", "praw.ico", "notepad"},
    {"tcn", "Arquivo TCN", "Archivo TCN", "Estação Total TCN", "Estación Total TCN", "ptcn.ico", "notepad"},
    {"med", "Arquivo MED", "Archivo MED", "Estação Total MED", "Estación Total MED", "pmed.ico", "notepad"},
    {"cor", "Arquivo COR", "Archivo COR", "Estação Total COR", "Estación Total COR", "pcor.ico", "notepad"},
    {"nik", "Arquivo NIK", "Archivo NIK", "Estação Total NIK", "Estación Total NIK", "pnik.ico", "notepad"},
    {"god", "Arquivo GOD", "Archivo GOD", "Estação Total GOD", "Estación Total GOD", "pgod.ico", "notepad"},
    {"pen", "Arquivo PEN", "Archivo PEN", "Estação Total PEN", "Estación Total PEN", "ppen.ico", "notepad"},
    {"m21", "Arquivo M21", "Archivo M21", "Estação Total M21", "Estación Total M21", "pm21.ico", "notepad"},
    {"c21", "Arquivo C21", "Archivo C21", "Estação Total C21", "Estación Total C21", "pc21.ico", "notepad"},
    {"zei", "Arquivo ZEI", "Archivo ZEI", "Estação Total ZEI", "Estación Total ZEI", "pzei.ico", "notepad"},
    {"rw5", "Arquivo RW5", "Archivo RW5", "Estação Total RW5", "Estación Total RW5", "prw5.ico", "notepad"},
    {"asc", "Arquivo ASC", "Archivo ASC", "Arquivo ASC", "Archivo ASC", "pasc.ico", "notepad"},
    {"cfg", "Arquivo CFG", "Archivo CFG", "Arquivo CFG", "Archivo CFG", "pcfg.ico", ""},
};

class FileAssociationsTest : public InstallTest {
 protected:
  std::string Default(const std::string& key) {
    auto value = windows.registry.ReadValue(RegistryRoot::ClassesRoot, key, "");
    return value ? value->text : "(missing)";
  }

  void ExpectRows(bool spanish) {
    ASSERT_EQ(install::kFileAssociations.size(), kRows.size());
    for (const Expected& row : kRows) {
      SCOPED_TRACE(row.extension);
      std::string class_key = spanish ? row.spanish_class : row.portuguese_class;
      EXPECT_EQ(Default(std::string("\\.") + row.extension), class_key);
      EXPECT_EQ(Default("\\" + class_key), spanish ? row.spanish_description : row.portuguese_description);
      EXPECT_EQ(Default("\\" + class_key + "\\DefaultIcon"), std::string("c:\\geolume\\") + row.icon + ",0");
      std::string command = row.command;
      if (command == "notepad") command = "D:\\WINNT\\notepad.exe %1";
      std::string written = Default("\\" + class_key + "\\Shell\\Open\\Command");
      EXPECT_EQ(written, command.empty() ? "(missing)" : command);
    }
  }
};

TEST_F(FileAssociationsTest, PortugueseRunWritesTheThirtyFourRows) {
  windows.system.windows_folder = "D:\\WINNT";
  Portuguese();
  AddMedium();
  Run();
  ExpectRows(false);
}

TEST_F(FileAssociationsTest, SpanishRunWritesTheSpanishClassesAndKeepsThePortugueseOnes) {
  windows.system.windows_folder = "D:\\WINNT";
  Portuguese();
  AddMedium();
  Run();
  Spanish();
  Run();
  ExpectRows(true);
  // Nothing is deleted: the Portuguese classes of the first run stay.
  EXPECT_EQ(Default("\\Arquivo CAD"), "Caderneta Geolume");
}

TEST_F(FileAssociationsTest, RowWithoutCommandLeavesAnOlderCommandInPlace) {
  windows.registry.SetString(RegistryRoot::ClassesRoot, "\\Arquivo IRR\\Shell\\Open\\Command", "", "old.exe %1");
  install::RegisterFileType(windows.registry, "irr", "Arquivo IRR", "Irradiações Geolume", "pirr.ico", std::nullopt);
  EXPECT_EQ(Default("\\Arquivo IRR\\Shell\\Open\\Command"), "old.exe %1");
  EXPECT_EQ(Default("\\.irr"), "Arquivo IRR");
}

TEST_F(FileAssociationsTest, UnwritableClassThrowsAfterTheExtensionKey) {
  windows.registry.AddKey(RegistryRoot::ClassesRoot, "\\Arquivo GEO");
  windows.registry.SetUnwritable(RegistryRoot::ClassesRoot, "\\Arquivo GEO");
  EXPECT_THROW(install::RegisterFileType(windows.registry, "geo", "Arquivo GEO", "Estação Total GEO", "pgeo.ico",
                                         std::nullopt),
               std::runtime_error);
  EXPECT_EQ(Default("\\.geo"), "Arquivo GEO");
}

}  // namespace
