#include "ui/application.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/button.h"
#include "ui/form.h"
#include "ui/headless_backend.h"

namespace {

TEST(FullStop, AppendedOnlyAfterCharactersSortingAfterTheStop) {
  EXPECT_EQ(ui::WithFullStop("Falha ao abrir"), "Falha ao abrir.");
  EXPECT_EQ(ui::WithFullStop("Falhou?"), "Falhou?.");
  EXPECT_EQ(ui::WithFullStop("Falhou."), "Falhou.");
  EXPECT_EQ(ui::WithFullStop("Falhou!"), "Falhou!");
  EXPECT_EQ(ui::WithFullStop("erro 32"), "erro 32.");
  EXPECT_EQ(ui::WithFullStop("(erro)"), "(erro)");
  EXPECT_EQ(ui::WithFullStop(""), "");
  EXPECT_EQ(ui::WithFullStop("Instalação"), "Instalação.");
}

TEST(Application, AnErrorOutOfAHandlerIsShownAndTheProgramGoesOn) {
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Form form(app, "TForm1", "Form1");
  auto& button = form.Make<ui::Button>("Button1", &form);
  int clicks = 0;
  button.on_click = [&] {
    ++clicks;
    throw std::runtime_error("Registro inacessível");
  };
  app.Dispatch([&] { button.Click(); });
  app.Dispatch([&] { button.Click(); });
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(backend.errors.size(), 2u);
  EXPECT_EQ(backend.errors[0], "Registro inacessível.");
  EXPECT_FALSE(backend.terminated);
}

TEST(Application, FirstFormIsTheMainForm) {
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Form main(app, "TForm1", "Form1");
  ui::Form dialog(app, "Tcontrato", "contrato");
  EXPECT_EQ(app.MainForm(), &main);
  EXPECT_EQ(dialog.ClassChain().front(), "Tcontrato");
  EXPECT_EQ(dialog.ClassChain()[1], "TForm");
}

}  // namespace
