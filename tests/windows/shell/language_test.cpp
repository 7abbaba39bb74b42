// Language switching in the real Instalar.exe. The prefix's locale comes from
// the test's name: SpanishSystem, RussianSystem, else a Brazilian system.
#include <gtest/gtest.h>

#include <algorithm>

#include "testing/windows_support/driver.h"

namespace {

using namespace wintest;

constexpr char kTitle[] = "Instalação do Sistema de Automação Topográfica Geolume";

bool Visible(HWND window, const char* text) {
  HWND control = FindControl(window, text);
  return control && IsWindowVisible(control);
}

struct Started {
  Process process;
  HWND window;
};

Started Start() {
  Process process = Process::Start(MakeMedium("C:\\medium"));
  HWND window = WaitForWindow(process.Id(), kTitle);
  return {std::move(process), window};
}

TEST(Language, EspanholTranslatesTheWindowTheAgreementAndTheMessages) {
  auto [process, window] = Start();
  ASSERT_NE(window, nullptr);
  HWND espanhol = WaitForControl(window, "Espanhol", "Button");
  ASSERT_NE(espanhol, nullptr);
  POINT before{};
  GetCursorPos(&before);
  Press(espanhol);
  ASSERT_TRUE(WaitUntil([&] { return Visible(window, "Instalar el Programa"); }));
  EXPECT_TRUE(Visible(window, "Configurar CAD"));
  EXPECT_TRUE(Visible(window, "Salir"));
  EXPECT_TRUE(Visible(window, "Sistema de Automación Topográfica"));
  EXPECT_FALSE(IsWindowVisible(espanhol));
  EXPECT_FALSE(Visible(window, "Português"));
  POINT after{};
  GetCursorPos(&after);
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y - 120);
  EXPECT_EQ(TextOf(window), kTitle);
  SaveScreenshot(window, "spanish-actions");

  Press(FindControl(window, "Instalar el Programa", "Button"));
  HWND agreement = WaitForWindow(process.Id(), "CONTRATO DE LICENCIA");
  ASSERT_NE(agreement, nullptr);
  EXPECT_NE(FindControl(agreement, "ACEPTO LA CONDICIONES DE ESTE CONTRATO", "Button"), nullptr);
  HWND decline = FindControl(agreement, "NO ACEPTO LAS CONDICIONES DE ESTE CONTRATO", "Button");
  ASSERT_NE(decline, nullptr);
  bool portuguese_text = false;
  for (HWND child : Descendants(agreement)) {
    portuguese_text |= TextOf(child).starts_with("CONTRATO DE LICENÇA DE USUÁRIO FINAL");
  }
  EXPECT_TRUE(portuguese_text) << "the agreement text itself stays Portuguese";
  SaveScreenshot(agreement, "agreement-spanish");
  Press(decline);
  HWND box = WaitForWindow(process.Id(), "Error en la instalación");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(FindControl(box, "Las condiciones del Contrato. No Fuerón Aceptadas. Instalación Cancelada."), nullptr);
  Press(FindControl(box, "OK", "Button"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(Visible(window, "Instalar el Programa"));
}

TEST(Language, SpanishSystemShowsSpanishFirstAndPortuguesBringsTheDesignBack) {
  auto [process, window] = Start();
  ASSERT_NE(window, nullptr);
  HWND portugues = WaitForControl(window, "Portugues", "Button");
  ASSERT_NE(portugues, nullptr);
  EXPECT_TRUE(Visible(window, "Español"));
  EXPECT_TRUE(Visible(window, "Sistema de Automación Topográfica"));
  Press(portugues);
  ASSERT_TRUE(WaitUntil([&] { return Visible(window, "Instalar Programa"); }));
  EXPECT_TRUE(Visible(window, "Sair"));
  EXPECT_TRUE(Visible(window, "Sistema de Automação Topográfica"));
}

TEST(Language, RussianSystemStillSwitchesToSpanish) {
  auto [process, window] = Start();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(GetACP(), 1251u);
  HWND espanhol = WaitForControl(window, "Espanhol", "Button");
  ASSERT_NE(espanhol, nullptr);
  Press(espanhol);
  EXPECT_TRUE(WaitUntil([&] { return Visible(window, "Instalar el Programa"); }));
}

}  // namespace
