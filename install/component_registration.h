#pragma once
// The product's COM servers and the text control, registered by processes
// started hidden and never waited for. A ProgID missing right after the start
// (the process has usually not finished) starts the fallback as well.
#include <string_view>

#include "install/installation_context.h"

namespace install {

struct ComServer {
  std::string_view file;
  std::string_view self_registration;
  std::string_view prog_id;
  std::string_view fallback;  // put after the system folder
  std::string_view error_text;
};

constexpr ComServer kPlotsumServer = {
    "c:\\geolume\\plotsum.exe", "c:\\geolume\\plotsum.exe /regserver", "plotsum.plotsum",
    "\\regsvr32 \"c:\\geolume\\plotsum.exe\" -s", "Erro ao registrar plotsum.exe"};

constexpr ComServer kDrafterServer = {
    "c:\\geolume\\drafter.exe", "c:\\geolume\\drafter.exe /regserver", "drafter.drafter",
    "\\regsvr32 \"c:\\geolume\\drafter.exe\" -s", "Erro ao registrar drafter.exe"};

// Nothing when the server file is missing. An error is shown with the row's
// text and the run goes on.
void RegisterComServer(const InstallationContext& context, const ComServer& server);

// tx4ole17.ocx through the system folder's regsvr32, started a second time
// when its ProgID is not there yet.
void RegisterTextControl(const InstallationContext& context);

}  // namespace install
