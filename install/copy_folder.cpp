#include "install/copy_folder.h"

#include <algorithm>
#include <exception>

#include "install/file_comparison.h"
#include "install/install_messages.h"
#include "install/source_listing.h"
#include "text/fill_in.h"
#include "text/trim.h"

namespace install {

namespace {

class FolderCopy {
 public:
  FolderCopy(const InstallationContext& context, CopyRule rule)
      : context_(context), files_(context.windows.files), rule_(rule) {}

  void Entry(const std::string& source_folder, const std::string& target_folder,
             const std::string& entry) {
    std::string name(text::Trim(entry, text::kSpaceAndControls));
    std::string source = source_folder + name;
    std::string target = std::string(text::Trim(target_folder, text::kSpaceAndControls)) + "\\" + name;
    if (rule_ == CopyRule::KeepNewer && IsTargetNewer(files_, source, target)) return;
    if (name.empty() || name == "[.]" || name == "[..]" || !files_.FileExists(source)) return;
    try {
      File(source, target);
    } catch (const std::exception&) {
      ShowError(text::FillIn(Lookup(messages::kFileNotHandled), {source, target}));
    }
    context_.progress.KeepAlive();
  }

  int Copied() const { return copied_; }

  // A folder that exists but cannot be read (a damaged disc, a folder the
  // user may not list) would otherwise copy nothing without a word.
  void ReportUnlisted(const std::string& folder) {
    ShowError(text::FillIn(Lookup(messages::kFolderNotListed), {std::to_string(files_.LastError()), folder}));
  }

 private:
  void File(const std::string& source, const std::string& target) {
    ShowFiles(source, target);
    bool exists = files_.FileExists(target);
    if (exists && IsPreservedTable(target)) return;
    // Read-only, hidden and system targets refuse to be overwritten.
    if (exists) files_.SetAttributes(target, platform::kAttributeNormal);
    bool in_place = IsSameFile(files_, source, target) || Overwrite(source, target);
    // A folder of the user's where the file belongs is not the copy's to change.
    if (!in_place && files_.FolderExists(target)) return;
    files_.SetAttributes(target, rule_ == CopyRule::ReadOnly ? platform::kAttributeReadOnly
                                                             : platform::kAttributeNormal);
  }

  void ShowFiles(const std::string& source, const std::string& target) {
    context_.progress.ShowFiles(text::FillIn(Lookup(messages::kCopyFrom), {source}),
                                text::FillIn(Lookup(messages::kCopyTo), {target}));
  }

  // True when the target now holds the source's bytes.
  bool Overwrite(const std::string& source, const std::string& target) {
    if (files_.CopyFile(source, target)) {
      ++copied_;
      return true;
    }
    std::uint32_t error = files_.LastError();
    bool sharing = error == platform::kErrorSharingViolation;
    std::string extra = sharing ? "\r" + Lookup(messages::kSharingHint) : "";
    ShowError(text::FillIn(Lookup(messages::kCopyFailed),
                     {std::to_string(error), source, target, extra}));
    // The user has been asked to close the file; one more try, not reported.
    if (!sharing || !files_.CopyFile(source, target)) return false;
    ++copied_;
    return true;
  }

  std::string Lookup(const char* text) const { return context_.Lookup(text); }

  void ShowError(const std::string& text) { context_.show_message({text, Lookup(messages::kErrorCaption), false}); }

  const InstallationContext& context_;
  platform::FileSystem& files_;
  CopyRule rule_;
  int copied_ = 0;
};

}  // namespace

int CopyFolder(const InstallationContext& context, const std::string& source_folder,
               const std::string& target_folder, CopyRule rule) {
  FolderCopy copy(context, rule);
  auto listing = SourceListing(context.windows.files, source_folder);
  if (!listing) {
    copy.ReportUnlisted(source_folder);
    return 0;
  }
  int count = static_cast<int>(listing->size());
  // A listing without entries would give the bar an end below its start.
  context.progress.SetBarRange(0, std::max(count - 1, 0));
  for (int i = 0; i < count; ++i) {
    context.progress.SetBarPosition(i);
    copy.Entry(source_folder, target_folder, (*listing)[i]);
  }
  context.progress.EndOfStep();
  return copy.Copied();
}

}  // namespace install
