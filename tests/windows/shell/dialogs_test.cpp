// The language buttons and the agreement dialog of the real Instalar.exe.
#include <gtest/gtest.h>

#include "testing/windows_support/driver.h"

namespace {

using namespace wintest;

constexpr char kTitle[] = "Instalação do Sistema de Automação Topográfica Geolume";

TEST(Dialogs, PortuguesShowsTheActionsAndDecliningTheAgreementCancels) {
  Process process = Process::Start(MakeMedium("C:\\medium"));
  HWND window = WaitForWindow(process.Id(), kTitle);
  ASSERT_NE(window, nullptr);
  HWND portugues = WaitForControl(window, "Português", "Button");
  ASSERT_NE(portugues, nullptr);

  POINT before{};
  GetCursorPos(&before);
  Press(portugues);
  HWND instalar = FindControl(window, "Instalar Programa", "Button");
  ASSERT_NE(instalar, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(instalar); }));
  EXPECT_FALSE(IsWindowVisible(portugues));
  EXPECT_TRUE(IsWindowVisible(FindControl(window, "Configurar CAD", "Button")));
  EXPECT_TRUE(IsWindowVisible(FindControl(window, "Sair", "Button")));
  POINT after{};
  GetCursorPos(&after);
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y - 57);

  Press(instalar);
  HWND agreement = WaitForWindow(process.Id(), "CONTRATO DE LICENÇA");
  ASSERT_NE(agreement, nullptr);
  RECT a{};
  GetWindowRect(agreement, &a);
  EXPECT_EQ(a.right - a.left, 651);
  EXPECT_EQ(a.bottom - a.top, 460);
  EXPECT_FALSE(GetWindowLongW(agreement, GWL_STYLE) & WS_SYSMENU);
  EXPECT_FALSE(IsWindowEnabled(window)) << "the main window takes no input while the agreement is open";
  HWND text = nullptr;
  for (HWND child : Descendants(agreement)) {
    if (ClassOf(child).rfind("RICHEDIT", 0) == 0 || ClassOf(child).rfind("RichEdit", 0) == 0) text = child;
  }
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(TextOf(text).starts_with(
      "CONTRATO DE LICENÇA DE USUÁRIO FINAL PARA O SISTEMA DE AUTOMAÇÃO TOPOGRÁFICA GEOLUME\r"));
  EXPECT_EQ(GetWindowLongW(text, GWL_STYLE) & ES_READONLY, ES_READONLY);
  EXPECT_TRUE(SaveScreenshot(agreement, "agreement-portuguese"));

  HWND decline = FindControl(agreement, "NÃO ACEITO AS CONDIÇÕES DESTE CONTRATO", "Button");
  ASSERT_NE(decline, nullptr);
  Press(decline);
  HWND box = WaitForWindow(process.Id(), "Erro na Instalação");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(FindControl(box, "As condições do Contrato Não Foram Aceitas. Instalação Cancelada."), nullptr);
  HWND ok = FindControl(box, "OK", "Button");
  ASSERT_NE(ok, nullptr);
  Press(ok);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(IsWindowVisible(instalar));
  EXPECT_TRUE(IsWindowEnabled(window));
}

}  // namespace
