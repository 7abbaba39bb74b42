// The command line that deployment tools give: switches in any order and
// letter case, "/" or "-", values checked, contradictions refused.
#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace {

using shell::ParseCommandLine;

TEST(CommandLine, NoArgumentIsTheInteractiveInstaller) {
  const auto line = ParseCommandLine({});
  EXPECT_FALSE(line.bad_argument);
  EXPECT_FALSE(line.Unattended());
  EXPECT_FALSE(line.accept_license || line.no_restart || line.configure_cad_only || line.uninstall || line.help);
  EXPECT_EQ(line.language, "pt");
  EXPECT_TRUE(line.configure_all_cad);
  EXPECT_FALSE(line.log_file);
}

TEST(CommandLine, EveryFlagInBothSpellingsAndAnyLetterCase) {
  struct Case {
    const char* name;
    bool shell::CommandLine::*flag;
  };
  for (const Case& c : {Case{"quiet", &shell::CommandLine::quiet}, Case{"passive", &shell::CommandLine::passive},
                        Case{"acceptlicense", &shell::CommandLine::accept_license},
                        Case{"norestart", &shell::CommandLine::no_restart},
                        Case{"configurecad", &shell::CommandLine::configure_cad_only},
                        Case{"uninstall", &shell::CommandLine::uninstall}, Case{"help", &shell::CommandLine::help},
                        Case{"?", &shell::CommandLine::help}}) {
    for (const std::string prefix : {"/", "-"}) {
      std::string upper = c.name;
      for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      for (const std::string& spelled : {prefix + c.name, prefix + upper}) {
        const auto line = ParseCommandLine({spelled});
        EXPECT_FALSE(line.bad_argument) << spelled;
        EXPECT_TRUE(line.*c.flag) << spelled;
      }
    }
  }
}

TEST(CommandLine, ValuesInAnyOrderWithTheOtherSwitches) {
  const auto line =
      ParseCommandLine({"-LOG=C:\\Logs\\Geolume Instalação.txt", "/Lang=ES", "/quiet", "-cad=None", "/AcceptLicense"});
  ASSERT_FALSE(line.bad_argument) << *line.bad_argument;
  EXPECT_TRUE(line.quiet);
  EXPECT_TRUE(line.accept_license);
  EXPECT_EQ(line.language, "es");
  EXPECT_FALSE(line.configure_all_cad);
  // The file's name keeps its letters: it is the administrator's.
  EXPECT_EQ(line.log_file, "C:\\Logs\\Geolume Instalação.txt");
  EXPECT_TRUE(ParseCommandLine({"/cad=ALL"}).configure_all_cad);
  EXPECT_EQ(ParseCommandLine({"/lang=pt"}).language, "pt");
}

TEST(CommandLine, BadValuesNameTheArgument) {
  for (const char* argument : {"/lang=en", "/lang=", "/lang", "/cad=some", "/cad", "/log=", "/log", "/quiet=yes",
                               "/acceptlicense=1", "/help=me"}) {
    const auto line = ParseCommandLine({"/quiet", argument});
    EXPECT_EQ(line.bad_argument, argument);
  }
}

TEST(CommandLine, UnknownSwitchesAndBareWordsAreRefused) {
  for (const char* argument : {"/silent", "/q", "--quiet", "quiet", "C:\\setup.ini", "/", "-"}) {
    EXPECT_EQ(ParseCommandLine({argument, "/acceptlicense"}).bad_argument, argument);
  }
  // The first bad one is named.
  EXPECT_EQ(ParseCommandLine({"/quiet", "/x", "/y"}).bad_argument, "/x");
}

TEST(CommandLine, RepeatedSwitchesAgreeOrAreRefused) {
  EXPECT_FALSE(ParseCommandLine({"/quiet", "-QUIET"}).bad_argument);
  EXPECT_FALSE(ParseCommandLine({"/lang=es", "/LANG=ES"}).bad_argument);
  EXPECT_EQ(ParseCommandLine({"/lang=es", "/lang=pt"}).bad_argument, "/lang=pt");
  EXPECT_EQ(ParseCommandLine({"/cad=all", "/cad=none"}).bad_argument, "/cad=none");
  EXPECT_EQ(ParseCommandLine({"/log=a.txt", "/log=b.txt"}).bad_argument, "/log=b.txt");
  // A file name is compared as given.
  EXPECT_EQ(ParseCommandLine({"/log=a.txt", "/log=A.txt"}).bad_argument, "/log=A.txt");
}

TEST(CommandLine, OneWayOfRunningAtATime) {
  EXPECT_TRUE(ParseCommandLine({"/quiet", "/passive"}).bad_argument);
  EXPECT_TRUE(ParseCommandLine({"/uninstall", "/configurecad"}).bad_argument);
  EXPECT_FALSE(ParseCommandLine({"/configurecad", "/quiet"}).bad_argument);
  EXPECT_FALSE(ParseCommandLine({"/uninstall", "/quiet"}).bad_argument);
}

}  // namespace

namespace {

using shell::ParseLogonCommandLine;

TEST(LogonCommandLine, EachRunWithItsQuietAndALogInAnyOrderAndLetterCase) {
  const auto setup = ParseLogonCommandLine({"/configurecad", "/quiet"});
  EXPECT_FALSE(setup.bad_argument);
  EXPECT_TRUE(setup.configure);
  EXPECT_FALSE(setup.restore);
  const auto restore = ParseLogonCommandLine({"-QUIET", "/Uninstall", "/log=C:\\Logs\\Logon.log"});
  EXPECT_FALSE(restore.bad_argument);
  EXPECT_TRUE(restore.restore);
  EXPECT_FALSE(restore.configure);
  EXPECT_EQ(restore.log_file, "C:\\Logs\\Logon.log");
}

// Only its own switches: the installer's others would ask for what a logon
// must never do.
TEST(LogonCommandLine, AnyOtherSwitchOrNoRunOrBothIsRefused) {
  for (const char* other : {"/acceptlicense", "/passive", "/lang=es", "/cad=none", "/norestart", "/?", "x"}) {
    const auto line = ParseLogonCommandLine({"/configurecad", "/quiet", other});
    EXPECT_EQ(line.bad_argument, other) << other;
  }
  EXPECT_TRUE(ParseLogonCommandLine({}).bad_argument);
  EXPECT_TRUE(ParseLogonCommandLine({"/quiet"}).bad_argument);
  EXPECT_EQ(ParseLogonCommandLine({"/configurecad", "/uninstall"}).bad_argument, "/uninstall");
  EXPECT_EQ(ParseLogonCommandLine({"/configurecad", "/quiet=yes"}).bad_argument, "/quiet=yes");
  EXPECT_EQ(ParseLogonCommandLine({"/uninstall", "/log=a", "/log=b"}).bad_argument, "/log=b");
}

}  // namespace
