// The translation engine on the host: one lookup in Dictionary1, and a whole
// language change with both forms open (the rows reloaded, every text of the
// main window and of the agreement translated again).
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "shell/agreement_form.h"
#include "shell/main_form.h"
#include "tests/host/shell/test_windows.h"
#include "ui/application.h"
#include "ui/headless_backend.h"

namespace {

// The main window as the program builds it, with the agreement beside it.
struct OpenForms {
  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  shell::InstallerState state;
  shell::MainForm form{app, windows.platform, state};
  std::unique_ptr<shell::AgreementForm> agreement;

  OpenForms() {
    backend.Realize(form);
    form.FormCreate();
    agreement = std::make_unique<shell::AgreementForm>(app, windows.platform, state);
  }
};

// Texts the program really looks up, found and not found.
constexpr std::array<const char*, 6> kLookups = {
    "Instalar Programa", "Sair", "Copiando Arquivos . . .", "Erro na Instalação",
    "Sistema de Automação Topográfica", "no such row in the dictionary"};

void Translate(benchmark::State& state) {
  OpenForms forms;
  auto& dictionary = *forms.form.Dictionary1;
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(dictionary.Translate(kLookups[next]));
    next = (next + 1) % kLookups.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Translate);

void LanguageChange(benchmark::State& state) {
  OpenForms forms;
  auto& dictionary = *forms.form.Dictionary1;
  int language = dictionary.Language();
  for (auto _ : state) {
    language = language == 1 ? 2 : 1;
    dictionary.SetLanguage(language);
  }
  // A change that did nothing would measure nothing.
  if (forms.agreement->Caption() != (language == 2 ? "CONTRATO DE LICENCIA" : "CONTRATO DE LICENÇA")) {
    state.SkipWithError("the agreement was not translated");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LanguageChange)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
